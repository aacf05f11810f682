#pragma once

// Readers that turn glyph strings back into numbers, written from the
// numeral systems' sign tables independently of the builders: the inverse
// of a drawn row's builder when signs are composed (Compose), and what the
// numeral tests read every caption back with. Each takes the body of a
// caption (without its prefix) and returns nullopt when the body is not a
// well-formed numeral of its system.

#include "numerals/GlyphString.h"

#include <optional>
#include <string>

namespace signs {

std::optional<int> ReadRoman(const std::string& roman);

// Most significant digit first, digit d as base + d, no leading zero digit.
std::optional<int> ReadPositional(const GlyphString& body, int base, int radix);
std::optional<int> ReadMayaHieroglyphs(const GlyphString& body);

// The decimal digits, one code per digit (digit d as base + d).
std::optional<std::string> ReadDigitGlyphs(const GlyphString& body, int base);
std::optional<std::string> ReadLaotian(const GlyphString& body);
std::optional<std::string> ReadFarsi(const GlyphString& body);
std::optional<std::string> ReadMorse(const GlyphString& body);
std::optional<std::string> ReadPostCode(const GlyphString& body);

// Additive systems: every sign known, values never rising, no sign more
// often than its system allows.
std::optional<int> ReadEgyptian(const GlyphString& body);
std::optional<int> ReadAttic(const GlyphString& body);
std::optional<int> ReadAncientGreek(const GlyphString& body);
std::optional<int> ReadHungarianRunes(const GlyphString& body);
std::optional<int> ReadHeyarian(const GlyphString& body);

std::optional<int> ReadIonic(const GlyphString& body);
std::optional<int> ReadHebrew(const GlyphString& body);
// 10000 * D and D read the same; this reads a lone units letter as units.
std::optional<int> ReadArmenian(const GlyphString& body);
// The sum of the letter values (the thousands carry no mark, so the count
// of thousands and the rest below a thousand simply add up).
std::optional<int> SumGothicLetters(const GlyphString& body);
std::optional<int> ReadAmharic(const GlyphString& body);

std::optional<int> ReadKanji(const GlyphString& body);
std::optional<int> ReadSuzhou(const GlyphString& body);
std::optional<int> ReadManchu(const GlyphString& body);
// Aryabhata's letter numerals: each consonant has its value (1..25, then
// 30..100), the vowel sign i multiplies it by 100, u by 10000.
std::optional<int> ReadSanskrit(const GlyphString& body);

}  // namespace signs
