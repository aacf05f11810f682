#pragma once

#include "glyphs/SfntReader.h"

#include <QByteArray>

#include <cstdint>

// A font's own character map, read from its "cmap" table, so that a missing
// character shows the font's missing-glyph drawing (glyph 0) instead of a
// glyph borrowed from another font.
class CharacterMap {
public:
    explicit CharacterMap(const QByteArray& cmapTable);

    // Glyph index of a Unicode character; 0 when the font does not map it.
    std::uint32_t glyphForCharacter(char32_t character) const;
    // Glyph of a byte in a symbol-encoded subtable (platform 3, encoding 0),
    // which places byte b at 0xF000 + b; 0 when there is no such subtable.
    std::uint32_t glyphForSymbolByte(unsigned char byte) const;
    bool hasSymbolSubtable() const { return symbolOffset_ != 0; }

private:
    std::uint32_t lookup(std::uint32_t offset, char32_t character) const;
    std::uint32_t lookupFormat4(std::uint32_t offset, char32_t character) const;
    std::uint32_t lookupFormat12(std::uint32_t offset, char32_t character) const;
    std::uint32_t u16(std::uint32_t at) const { return table_.u16(at); }
    std::uint32_t u32(std::uint32_t at) const { return table_.u32(at); }

    SfntReader table_;
    std::uint32_t unicodeOffset_ = 0;  // 0: none
    std::uint32_t symbolOffset_ = 0;
};
