#include "glyphs/CharacterMap.h"

namespace {

// Preference among Unicode subtables: full repertoire first.
int UnicodeRank(std::uint32_t platform, std::uint32_t encoding)
{
    if (platform == 3 && encoding == 10)
        return 4;
    if (platform == 0 && (encoding == 4 || encoding == 6))
        return 3;
    if (platform == 3 && encoding == 1)
        return 2;
    if (platform == 0)
        return 1;
    return 0;
}

}  // namespace

CharacterMap::CharacterMap(const QByteArray& cmapTable) : table_(cmapTable)
{
    if (table_.size() < 4)
        return;
    const std::uint32_t count = u16(2);
    int bestRank = 0;
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::uint32_t record = 4 + i * 8;
        const std::uint32_t platform = u16(record);
        const std::uint32_t encoding = u16(record + 2);
        const std::uint32_t offset = u32(record + 4);
        if (offset == 0 || offset >= static_cast<std::uint32_t>(table_.size()))
            continue;
        if (platform == 3 && encoding == 0)
            symbolOffset_ = offset;
        const int rank = UnicodeRank(platform, encoding);
        if (rank > bestRank) {
            bestRank = rank;
            unicodeOffset_ = offset;
        }
    }
}

std::uint32_t CharacterMap::glyphForCharacter(char32_t character) const
{
    return unicodeOffset_ ? lookup(unicodeOffset_, character) : 0;
}

std::uint32_t CharacterMap::glyphForSymbolByte(unsigned char byte) const
{
    return symbolOffset_ ? lookup(symbolOffset_, 0xF000 + byte) : 0;
}

std::uint32_t CharacterMap::lookup(std::uint32_t offset, char32_t character) const
{
    switch (u16(offset)) {
    case 4:
        return lookupFormat4(offset, character);
    case 12:
        return lookupFormat12(offset, character);
    default:
        return 0;  // other formats do not occur in the fonts we draw with
    }
}

std::uint32_t CharacterMap::lookupFormat4(std::uint32_t offset, char32_t character) const
{
    if (character > 0xFFFF)
        return 0;
    const std::uint32_t segments = u16(offset + 6) / 2;
    const std::uint32_t ends = offset + 14;
    const std::uint32_t starts = ends + segments * 2 + 2;
    const std::uint32_t deltas = starts + segments * 2;
    const std::uint32_t rangeOffsets = deltas + segments * 2;
    for (std::uint32_t s = 0; s < segments; ++s) {
        if (character > u16(ends + s * 2))
            continue;
        const std::uint32_t start = u16(starts + s * 2);
        if (character < start)
            return 0;
        const std::uint32_t delta = u16(deltas + s * 2);
        const std::uint32_t rangeOffset = u16(rangeOffsets + s * 2);
        if (rangeOffset == 0)
            return (character + delta) & 0xFFFF;
        const std::uint32_t at = rangeOffsets + s * 2 + rangeOffset + (character - start) * 2;
        const std::uint32_t glyph = u16(at);
        return glyph ? (glyph + delta) & 0xFFFF : 0;
    }
    return 0;
}

std::uint32_t CharacterMap::lookupFormat12(std::uint32_t offset, char32_t character) const
{
    const std::uint32_t groups = u32(offset + 12);
    for (std::uint32_t g = 0; g < groups; ++g) {
        const std::uint32_t group = offset + 16 + g * 12;
        const std::uint32_t first = u32(group);
        const std::uint32_t last = u32(group + 4);
        if (character >= first && character <= last)
            return u32(group + 8) + (character - first);
    }
    return 0;
}
