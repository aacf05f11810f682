#pragma once

#include <initializer_list>
#include <string>

// A numeral written as Unicode text: the rows that show real characters,
// shaped by the font, instead of a glyph string. The text is UTF-8 in
// logical order (the order it is read in, most significant part first);
// right-to-left scripts are stored that way too and left to the layout.
//
// Some systems cannot write every number: the additive ones have no zero,
// and the Georgian letters end at 19999. Such a number has no form: the
// text is empty and hasForm false.
struct UnicodeNumeral {
    std::string text;
    bool hasForm = true;
};

inline UnicodeNumeral NoForm()
{
    return {std::string(), false};
}

// Appends the UTF-8 bytes of a code point (any value up to U+10FFFF).
void AppendCodePoint(std::string& text, char32_t c);

// Appends each code point in turn.
void AppendCodePoints(std::string& text, std::initializer_list<char32_t> codePoints);
void AppendCodePoints(std::string& text, const std::u32string& codePoints);
