#pragma once

#include <array>
#include <string>

// The character each glyph code of a row and each picture stands for,
// generated from the sign records of the font and picture builds
// (FontCharacters.inc, written by tools/fonts/font_characters.py).

namespace rowtext {

struct CodeCharacter {
    int code;
    const char* text;  // UTF-8
    bool standIn;      // stands in for a sign Unicode lacks
};

// The characters of the codes of one row's family.
class CodeCharacters {
public:
    explicit CodeCharacters(const std::string& cell);
    // The character of a code, or nullptr for a drawn sign.
    const CodeCharacter* of(unsigned char code) const;

private:
    const std::array<const CodeCharacter*, 256>* index_;
};

// The character of a code in the family the row of `cell` draws in, or
// nullptr when that code is a drawn sign (or the cell draws no glyphs).
const CodeCharacter* CharacterOfCode(const std::string& cell, unsigned char code);

// The character a picture shows ("korea0", "ass10", ...), or nullptr.
const char* CharacterOfPicture(const std::string& picture);

// The Mayan numeral for a place value 0..19, UTF-8.
std::string MayanNumeral(int value);

// The code point c as UTF-8.
std::string Utf8Of(char32_t c);

}  // namespace rowtext
