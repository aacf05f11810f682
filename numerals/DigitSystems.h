#pragma once

#include "GlyphString.h"

#include <string>

// Rows that write the number text t character by character, left to right
// as typed (N'Ko right to left). Leading zeros, blanks, signs and
// hexadecimal notation in t show as glyphs of their own.
//
// The plain digit rows (Arabic, Bengali, ...) are DigitGlyphs(t, base)
// with the row's base; the rows below have an algorithm of their own.

// N'Ko: the digit glyphs 110..119, last character of t first.
GlyphString NkoNumeral(const std::string& t);
GlyphCodes NkoCodes();

// Gorwelion: the digit glyphs 223..232 framed by the signs 233 and 234.
GlyphString GorwelionNumeral(const std::string& t);
GlyphCodes GorwelionCodes();

// Laotian: digits 0..5 are 121..126, 6..9 are 249..252; any other
// character goes through the arithmetic of the upper range.
GlyphString LaotianNumeral(const std::string& t);
GlyphCodes LaotianCodes();

// Farsi: digits 0..3 and 7..9 share the Arabic codes 58..61 and 65..67;
// 4, 5, 6 are 68..70; any other character goes through the arithmetic of
// the 4..6 range.
GlyphString FarsiNumeral(const std::string& t);
GlyphCodes FarsiCodes();

// Morse code in the "Symbol" font: five dots (183) and dashes (45) per
// digit, each character of t followed by a blank, so a non-digit shows as
// the blank alone.
GlyphString MorseCode(const std::string& t);
GlyphCodes MorseCodes();

// Post code: five cells per digit, bar "j" (106) or gap " " (32), the
// groups directly one after the other; characters that are not decimal
// digits are skipped.
GlyphString PostCodeBars(const std::string& t);
GlyphCodes PostCodeCodes();
