#include "UnicodeNumeral.h"

void AppendCodePoint(std::string& text, char32_t c)
{
    const auto byte = [](char32_t bits) { return static_cast<char>(static_cast<unsigned char>(bits)); };
    if (c < 0x80) {
        text += byte(c);
    } else if (c < 0x800) {
        text += byte(0xC0 | c >> 6);
        text += byte(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        text += byte(0xE0 | c >> 12);
        text += byte(0x80 | (c >> 6 & 0x3F));
        text += byte(0x80 | (c & 0x3F));
    } else {
        text += byte(0xF0 | c >> 18);
        text += byte(0x80 | (c >> 12 & 0x3F));
        text += byte(0x80 | (c >> 6 & 0x3F));
        text += byte(0x80 | (c & 0x3F));
    }
}

void AppendCodePoints(std::string& text, std::initializer_list<char32_t> codePoints)
{
    for (char32_t c : codePoints)
        AppendCodePoint(text, c);
}

void AppendCodePoints(std::string& text, const std::u32string& codePoints)
{
    for (char32_t c : codePoints)
        AppendCodePoint(text, c);
}
