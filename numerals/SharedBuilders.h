#pragma once

#include "GlyphString.h"

#include <initializer_list>
#include <string>

// Builders shared by the glyph-string rows.
//
// The text builders read the characters of the number text t one at a
// time: a character c becomes the code c - 48 + base, modulo 256, so the
// digit d becomes base + d and every other character (blank, sign, "$",
// "x", hexadecimal letter) goes through the same arithmetic.

// The character code of the digit 0: a digit character less it is its value.
inline constexpr int kDigitZero = '0';

// " " followed by one code per character of t, first to last.
GlyphString DigitGlyphs(const std::string& t, int base);

// " " followed by one code per character of t, last to first.
GlyphString DigitGlyphsReversed(const std::string& t, int base);

// The digits of n >= 0 in the given radix (>= 2), most significant first,
// digit d written as code base + d. No prefix; 0 gives the one code base.
GlyphString BaseDigits(int n, int base, int radix);

// Appends base + d when d > 0.
void DigitIfPositive(GlyphString& s, int d, int base);

// Appends base + d when d > 1 (the caller writes the power sign after it).
void MultiplierIfAboveOne(GlyphString& s, int d, int base);

// Appends code count times; nothing when count <= 0.
void RepeatGlyph(GlyphString& s, int code, int count);

// Puts the codes, in the order given, in front of the body.
void PrependGlyphs(GlyphString& body, std::initializer_list<int> codes);

// The decimal digits of n (0..99999) by position.
struct DecimalPlaces {
    int tenThousands;
    int thousands;
    int hundreds;
    int tens;
    int units;
};

constexpr DecimalPlaces DecimalPlacesOf(int n)
{
    return {n / 10000 % 10, n / 1000 % 10, n / 100 % 10, n / 10 % 10, n % 10};
}

// The codes the digit builders write for decimal text: the blank and base..base+9.
GlyphCodes DigitGlyphsCodes(int base);

// The codes BaseDigits writes: base..base+radix-1.
GlyphCodes BaseDigitsCodes(int base, int radix);
