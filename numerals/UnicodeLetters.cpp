#include "UnicodeLetters.h"

#include <array>
#include <string>
#include <utility>

namespace {

// The letter of digit d (1..9) in a place is [place][d - 1]; places from
// the units up.
template <std::size_t Places>
using PlaceLetters = std::array<std::array<char32_t, 9>, Places>;

constexpr PlaceLetters<4> kGeorgian{{
    {0x10D0, 0x10D1, 0x10D2, 0x10D3, 0x10D4, 0x10D5, 0x10D6, 0x10F1, 0x10D7},
    {0x10D8, 0x10D9, 0x10DA, 0x10DB, 0x10DC, 0x10F2, 0x10DD, 0x10DE, 0x10DF},
    {0x10E0, 0x10E1, 0x10E2, 0x10F3, 0x10E4, 0x10E5, 0x10E6, 0x10E7, 0x10E8},
    {0x10E9, 0x10EA, 0x10EB, 0x10EC, 0x10ED, 0x10EE, 0x10F4, 0x10EF, 0x10F0},
}};
constexpr char32_t kGeorgianTenThousand = 0x10F5;  // GEORGIAN LETTER HOE
constexpr int kGeorgianLast = 19999;

constexpr PlaceLetters<3> kCyrillic{{
    {0x0430, 0x0432, 0x0433, 0x0434, 0x0454, 0x0455, 0x0437, 0x0438, 0x0473},
    {0x0456, 0x043A, 0x043B, 0x043C, 0x043D, 0x046F, 0x047B, 0x043F, 0x0447},
    {0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0471, 0x047F, 0x0446},
}};
constexpr char32_t kCyrillicThousands = 0x0482;  // ҂
constexpr char32_t kTitlo = 0x0483;              // combining, after its letter
constexpr char32_t kOt = 0x047F;                 // ѿ, 800: no room for a titlo

constexpr PlaceLetters<3> kCoptic{{
    {0x2C81, 0x2C83, 0x2C85, 0x2C87, 0x2C89, 0x2C8B, 0x2C8D, 0x2C8F, 0x2C91},
    {0x2C93, 0x2C95, 0x2C97, 0x2C99, 0x2C9B, 0x2C9D, 0x2C9F, 0x2CA1, 0x03E5},
    {0x2CA3, 0x2CA5, 0x2CA7, 0x2CA9, 0x2CAB, 0x2CAD, 0x2CAF, 0x2CB1, 0x2CC1},
}};
constexpr char32_t kOverline = 0x0305;
constexpr char32_t kDoubleOverline = 0x033F;

// The letters of r (below 10 to the power of Places), largest place first.
template <std::size_t Places>
std::u32string LettersOf(int r, const PlaceLetters<Places>& letters)
{
    std::u32string text;
    int power = 1;
    for (std::size_t place = 1; place < Places; ++place)
        power *= 10;
    for (std::size_t place = Places; place-- > 0; power /= 10) {
        if (const int d = r / power % 10; d > 0)
            text += letters[place][static_cast<std::size_t>(d - 1)];
    }
    return text;
}

// 1..999 in Cyrillic letters; 11..19 put the units first, as they are said.
std::u32string CyrillicLetters(int r)
{
    std::u32string letters = LettersOf(r, kCyrillic);
    if (r % 100 > 10 && r % 100 < 20)
        std::swap(letters[letters.size() - 2], letters[letters.size() - 1]);
    return letters;
}

// The titlo stands after the second-to-last letter (after the only one),
// or after the last where the second-to-last is ѿ.
std::u32string WithTitlo(std::u32string letters)
{
    std::size_t at = letters.size() >= 2 ? letters.size() - 2 : 0;
    if (letters[at] == kOt)
        at = letters.size() - 1;
    letters.insert(at + 1, 1, kTitlo);
    return letters;
}

// The count of thousands from 10 up: ҂ before every letter, one titlo.
std::u32string CyrillicThousandsGroup(int k)
{
    std::u32string group;
    for (char32_t c : WithTitlo(CyrillicLetters(k))) {
        if (c != kTitlo)
            group += kCyrillicThousands;
        group += c;
    }
    return group;
}

void AppendMarked(std::string& text, const std::u32string& letters, char32_t mark)
{
    for (char32_t letter : letters)
        AppendCodePoints(text, {letter, mark});
}

}  // namespace

UnicodeNumeral GeorgianNumeral(int n)
{
    if (n <= 0 || n > kGeorgianLast)
        return NoForm();
    UnicodeNumeral numeral;
    if (n >= 10000)
        AppendCodePoint(numeral.text, kGeorgianTenThousand);
    AppendCodePoints(numeral.text, LettersOf(n % 10000, kGeorgian));
    return numeral;
}

UnicodeNumeral CyrillicNumeral(int n)
{
    if (n <= 0)
        return NoForm();
    const int thousands = n / 1000;
    const int rest = n % 1000;
    std::u32string text;
    if (thousands >= 10) {
        text = CyrillicThousandsGroup(thousands);
        if (rest > 0)
            text += U' ' + WithTitlo(CyrillicLetters(rest));
    } else if (thousands > 0) {
        text = {kCyrillicThousands, kCyrillic[0][static_cast<std::size_t>(thousands - 1)]};
        text += rest > 0 ? WithTitlo(CyrillicLetters(rest)) : std::u32string(1, kTitlo);
    } else {
        text = WithTitlo(CyrillicLetters(rest));
    }
    UnicodeNumeral numeral;
    AppendCodePoints(numeral.text, text);
    return numeral;
}

UnicodeNumeral CopticNumeral(int n)
{
    if (n <= 0)
        return NoForm();
    UnicodeNumeral numeral;
    AppendMarked(numeral.text, LettersOf(n / 1000, kCoptic), kDoubleOverline);
    AppendMarked(numeral.text, LettersOf(n % 1000, kCoptic), kOverline);
    return numeral;
}
