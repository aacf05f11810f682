#include "Alphabetic.h"

#include "SharedBuilders.h"

#include <array>

namespace {

// One decimal position of a letter-per-position row: digit d is written as
// code base + d, followed by the position's mark when it has one (0: none).
struct LetterPlace {
    int base;
    int mark;
};

// Ten-thousands, thousands, hundreds, tens, units.
using LetterPlaces = std::array<LetterPlace, 5>;

constexpr LetterPlaces kArmenianPlaces{{{60, 0}, {87, 0}, {78, 0}, {69, 0}, {60, 0}}};
constexpr LetterPlaces kGothicPlaces{{{66, 0}, {57, 0}, {75, 0}, {66, 0}, {57, 0}}};
constexpr LetterPlaces kAmharicPlaces{{{222, 242}, {231, 241}, {222, 241}, {231, 0}, {222, 0}}};

GlyphString LettersPerPlace(int n, const LetterPlaces& places)
{
    const DecimalPlaces p = DecimalPlacesOf(n);
    const std::array<int, 5> digits{p.tenThousands, p.thousands, p.hundreds, p.tens, p.units};
    GlyphString caption(1, ' ');
    for (std::size_t i = 0; i < places.size(); ++i) {
        DigitIfPositive(caption, digits[i], places[i].base);
        if (digits[i] > 0 && places[i].mark != 0)
            caption += GlyphCode(places[i].mark);
    }
    return caption;
}

GlyphCodes LetterPlacesCodes(const LetterPlaces& places)
{
    GlyphCodes codes;
    codes.set(' ');
    for (const LetterPlace& place : places) {
        AddCodeRange(codes, place.base + 1, place.base + 9);
        if (place.mark != 0)
            codes.set(static_cast<std::size_t>(place.mark));
    }
    return codes;
}

constexpr int kIonicUnits = 201;
constexpr int kIonicTens = 210;
constexpr int kIonicHundreds = 219;
constexpr int kIonicMyriad = 201;
constexpr int kIonicThousands = ',';

constexpr int kHebrewUnits = 172;
constexpr int kHebrewTens = 181;
constexpr int kHebrewHundreds = 190;
constexpr int kHebrewThousands = 200;
constexpr int kHebrewFifteen[] = {178, 181};  // 9 + 6
constexpr int kHebrewSixteen[] = {179, 181};  // 9 + 7

// Prepends a Hebrew number 1..99 written with tens and units letters, or
// the fixed forms of 15 and 16.
void PrependHebrewBelowHundred(GlyphString& body, int r)
{
    if (r == 15) {
        PrependGlyphs(body, {kHebrewFifteen[0], kHebrewFifteen[1]});
    } else if (r == 16) {
        PrependGlyphs(body, {kHebrewSixteen[0], kHebrewSixteen[1]});
    } else {
        if (r / 10 > 0)
            PrependGlyphs(body, {kHebrewTens + r / 10});
        if (r % 10 > 0)
            PrependGlyphs(body, {kHebrewUnits + r % 10});
    }
}

}  // namespace

GlyphString IonicNumeral(int n)
{
    const DecimalPlaces p = DecimalPlacesOf(n);
    GlyphString caption(1, ' ');
    if (p.tenThousands > 0) {
        MultiplierIfAboveOne(caption, p.tenThousands, kIonicUnits);
        caption += GlyphCode(kIonicMyriad);
    }
    if (p.thousands > 0) {
        caption += GlyphCode(kIonicThousands);
        DigitIfPositive(caption, p.thousands, kIonicUnits);
    }
    DigitIfPositive(caption, p.hundreds, kIonicHundreds);
    DigitIfPositive(caption, p.tens, kIonicTens);
    DigitIfPositive(caption, p.units, kIonicUnits);
    return caption;
}

GlyphCodes IonicCodes()
{
    GlyphCodes codes;
    codes.set(' ');
    codes.set(kIonicMyriad);
    codes.set(kIonicThousands);
    for (int base : {kIonicUnits, kIonicTens, kIonicHundreds})
        AddCodeRange(codes, base + 1, base + 9);
    return codes;
}

GlyphString HebrewNumeral(int n)
{
    GlyphString body;
    if (n >= 1000) {
        // The count of thousands (1..79) is written like a number below 100.
        PrependHebrewBelowHundred(body, n / 1000);
        PrependGlyphs(body, {kHebrewThousands});
    }
    if (const int hundreds = n / 100 % 10; hundreds > 0)
        PrependGlyphs(body, {kHebrewHundreds + hundreds});
    PrependHebrewBelowHundred(body, n % 100);
    return ' ' + body;
}

GlyphCodes HebrewCodes()
{
    GlyphCodes codes;
    codes.set(' ');
    codes.set(kHebrewThousands);
    AddCodeRange(codes, kHebrewUnits + 1, kHebrewHundreds + 9);
    return codes;
}

GlyphString ArmenianNumeral(int n)
{
    return LettersPerPlace(n, kArmenianPlaces);
}
GlyphCodes ArmenianCodes()
{
    return LetterPlacesCodes(kArmenianPlaces);
}

GlyphString GothicNumeral(int n)
{
    return LettersPerPlace(n, kGothicPlaces);
}
GlyphCodes GothicCodes()
{
    return LetterPlacesCodes(kGothicPlaces);
}

GlyphString AmharicNumeral(int n)
{
    return LettersPerPlace(n, kAmharicPlaces);
}
GlyphCodes AmharicCodes()
{
    return LetterPlacesCodes(kAmharicPlaces);
}
