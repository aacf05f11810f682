#include "Multiplicative.h"

#include "SharedBuilders.h"

namespace {

void AppendMultiplierPlace(GlyphString& s, int d, int digitBase, int powerSign)
{
    if (d > 0) {
        MultiplierIfAboveOne(s, d, digitBase);
        s += GlyphCode(powerSign);
    }
}

constexpr int kManchuNumberBase = 80;  // 1..19 are 81..99
constexpr int kManchuTensBase = 98;    // 20..90 are 100..107
constexpr int kManchuHundred = 108;
constexpr int kManchuThousand = 109;
constexpr int kManchuTenThousand = 110;

void AppendManchuPlace(GlyphString& s, int d, int powerSign)
{
    if (d > 0) {
        s += GlyphCode(kManchuNumberBase + d);
        s += GlyphCode(powerSign);
    }
}

constexpr int kVowelI = 160;         // drawn over the consonant after it
constexpr int kVowelU = 194;         // drawn below the consonant before it
constexpr int kConsonantBase = 160;  // the numbers 1..25 are 161..185
constexpr int kTensBase = 183;       // tens 30..90 are 186..192; with i, thousands
constexpr int kTwentySign = 180;     // na, 20: in 26..29; with i, the 2000 of 2600..2999

// The thousands of m (0..9999); returns what is left for the hundreds.
int PrependSanskritThousands(GlyphString& body, int m)
{
    if (m >= 3000) {
        // The thousands digit 3..9 as 30..90 hundreds.
        PrependGlyphs(body, {kVowelI, kTensBase + m / 1000});
        return m % 1000;
    }
    if (m >= 2600) {
        PrependGlyphs(body, {kVowelI, kTwentySign});
        PrependGlyphs(body, {kVowelI, kConsonantBase + (m - 2000) / 100});
        return m % 100;
    }
    if (m >= 1000) {
        // The whole count of hundreds, 10 to 25, as one consonant.
        PrependGlyphs(body, {kVowelI, kConsonantBase + m / 100});
        return m % 100;
    }
    return m;
}

void PrependSanskritBelowHundred(GlyphString& body, int m)
{
    if (m >= 30) {
        PrependGlyphs(body, {kTensBase + m / 10});
        if (m % 10 > 0)
            PrependGlyphs(body, {kConsonantBase + m % 10});
    } else if (m >= 26) {
        PrependGlyphs(body, {kTwentySign});
        PrependGlyphs(body, {kConsonantBase + m - 20});
    } else if (m >= 1) {
        PrependGlyphs(body, {kConsonantBase + m});
    }
}

}  // namespace

GlyphString MultiplierNumeral(int n, const MultiplierSystem& system)
{
    const DecimalPlaces p = DecimalPlacesOf(n);
    GlyphString caption(1, ' ');
    AppendMultiplierPlace(caption, p.tenThousands, system.digitBase, system.tenThousand);
    AppendMultiplierPlace(caption, p.thousands, system.digitBase, system.thousand);
    AppendMultiplierPlace(caption, p.hundreds, system.digitBase, system.hundred);
    AppendMultiplierPlace(caption, p.tens, system.digitBase, system.ten);
    DigitIfPositive(caption, p.units, system.digitBase);
    return caption;
}

GlyphCodes MultiplierCodes(const MultiplierSystem& system)
{
    GlyphCodes codes;
    codes.set(' ');
    AddCodeRange(codes, system.digitBase + 1, system.digitBase + 9);
    for (int sign : {system.tenThousand, system.thousand, system.hundred, system.ten})
        codes.set(static_cast<std::size_t>(sign));
    return codes;
}

GlyphString ManchuNumeral(int n)
{
    const DecimalPlaces p = DecimalPlacesOf(n);
    GlyphString caption(1, ' ');
    AppendManchuPlace(caption, p.tenThousands, kManchuTenThousand);
    AppendManchuPlace(caption, p.thousands, kManchuThousand);
    AppendManchuPlace(caption, p.hundreds, kManchuHundred);
    const int r = n % 100;
    if (r > 19) {
        caption += GlyphCode(kManchuTensBase + r / 10);
        DigitIfPositive(caption, r % 10, kManchuNumberBase);
    } else {
        DigitIfPositive(caption, r, kManchuNumberBase);
    }
    return caption;
}

GlyphCodes ManchuCodes()
{
    GlyphCodes codes;
    codes.set(' ');
    AddCodeRange(codes, kManchuNumberBase + 1, kManchuNumberBase + 19);
    AddCodeRange(codes, kManchuTensBase + 2, kManchuTensBase + 9);
    for (int sign : {kManchuHundred, kManchuThousand, kManchuTenThousand})
        codes.set(static_cast<std::size_t>(sign));
    return codes;
}

GlyphString SanskritNumeral(int n)
{
    GlyphString body;
    if (n >= 10000)
        PrependGlyphs(body, {kConsonantBase + n / 10000, kVowelU});
    const int m = PrependSanskritThousands(body, n % 10000);
    if (m >= 100)
        PrependGlyphs(body, {kVowelI, kConsonantBase + m / 100});
    PrependSanskritBelowHundred(body, m % 100);
    return ' ' + body;
}

GlyphCodes SanskritCodes()
{
    GlyphCodes codes;
    codes.set(' ');
    codes.set(kVowelI);
    AddCodeRange(codes, kConsonantBase + 1, kConsonantBase + 25);
    AddCodeRange(codes, kTensBase + 3, kTensBase + 9);
    codes.set(kVowelU);
    return codes;
}
