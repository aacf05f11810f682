#include "SharedBuilders.h"

namespace {

char CharacterGlyph(char c, int base)
{
    return GlyphCode(static_cast<unsigned char>(c) - kDigitZero + base);
}

}  // namespace

GlyphString DigitGlyphs(const std::string& t, int base)
{
    GlyphString caption(1, ' ');
    caption.reserve(t.size() + 1);
    for (char c : t)
        caption += CharacterGlyph(c, base);
    return caption;
}

GlyphString DigitGlyphsReversed(const std::string& t, int base)
{
    GlyphString caption(1, ' ');
    caption.reserve(t.size() + 1);
    for (auto it = t.rbegin(); it != t.rend(); ++it)
        caption += CharacterGlyph(*it, base);
    return caption;
}

GlyphString BaseDigits(int n, int base, int radix)
{
    // Filled from the right: 31 places are enough for any int in radix 2.
    char digits[32];
    std::size_t first = sizeof digits;
    do {
        digits[--first] = GlyphCode(base + n % radix);
        n /= radix;
    } while (n != 0 && first > 0);
    return GlyphString(digits + first, digits + sizeof digits);
}

void DigitIfPositive(GlyphString& s, int d, int base)
{
    if (d > 0)
        s += GlyphCode(base + d);
}

void MultiplierIfAboveOne(GlyphString& s, int d, int base)
{
    if (d > 1)
        s += GlyphCode(base + d);
}

void RepeatGlyph(GlyphString& s, int code, int count)
{
    if (count > 0)
        s.append(static_cast<std::size_t>(count), GlyphCode(code));
}

void PrependGlyphs(GlyphString& body, std::initializer_list<int> codes)
{
    GlyphString group;
    for (int code : codes)
        group += GlyphCode(code);
    body.insert(0, group);
}

GlyphCodes DigitGlyphsCodes(int base)
{
    GlyphCodes codes;
    codes.set(' ');
    AddCodeRange(codes, base, base + 9);
    return codes;
}

GlyphCodes BaseDigitsCodes(int base, int radix)
{
    GlyphCodes codes;
    AddCodeRange(codes, base, base + radix - 1);
    return codes;
}
