#pragma once

#include <bitset>
#include <string>

// A caption of a glyph-string row: raw 8-bit glyph codes in visual order,
// left to right. Byte b selects the glyph that the row's font maps at the
// Windows-1252 character b.
using GlyphString = std::string;

// The set of codes a row may write, indexed by code.
using GlyphCodes = std::bitset<256>;

// The code k modulo 256 as one byte of a glyph string.
constexpr char GlyphCode(int k)
{
    return static_cast<char>(static_cast<unsigned char>(k & 0xFF));
}

// Adds the codes first..last (both included, each modulo 256) to a code set.
inline void AddCodeRange(GlyphCodes& codes, int first, int last)
{
    for (int k = first; k <= last; ++k)
        codes.set(static_cast<std::size_t>(k & 0xFF));
}

// Adds every code of a glyph string to a code set.
inline void AddCodesOf(GlyphCodes& codes, const GlyphString& s)
{
    for (unsigned char c : s)
        codes.set(c);
}
