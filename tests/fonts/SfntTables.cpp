#include "SfntTables.h"

namespace {

constexpr uint16_t kWindowsPlatform = 3;
constexpr uint16_t kUnicodeBmpEncoding = 1;
constexpr uint16_t kUsEnglish = 0x409;

}  // namespace

QStringList sfntTableTags(const QByteArray& fontFile)
{
    const SfntReader file(fontFile);
    const int count = file.u16(4);
    QStringList tags;
    for (int i = 0; i < count; ++i)
        tags << QString::fromLatin1(file.bytes(12 + 16 * i, 4));
    if (file.overrun())
        return {};
    return tags;
}

QVector<CmapSubtableEntry> cmapSubtables(const QByteArray& cmapTable)
{
    const SfntReader cmap(cmapTable);
    const int count = cmap.u16(2);
    QVector<CmapSubtableEntry> entries;
    for (int i = 0; i < count; ++i) {
        const int record = 4 + 8 * i;
        CmapSubtableEntry entry;
        entry.platformId = cmap.u16(record);
        entry.encodingId = cmap.u16(record + 2);
        entry.offset = cmap.u32(record + 4);
        entry.format = cmap.u16(static_cast<int>(entry.offset));
        entries << entry;
    }
    if (cmap.overrun())
        return {};
    return entries;
}

namespace {

// One segment of a format 4 subtable, added to the mapping.
void addFormat4Segment(const SfntReader& cmap, int base, int segments, int index,
                       std::map<uint32_t, uint16_t>& mapping)
{
    const int endCodes = base + 14;
    const int startCodes = endCodes + 2 * segments + 2;
    const int deltas = startCodes + 2 * segments;
    const int rangeOffsets = deltas + 2 * segments;
    const uint16_t end = cmap.u16(endCodes + 2 * index);
    const uint16_t start = cmap.u16(startCodes + 2 * index);
    const uint16_t delta = cmap.u16(deltas + 2 * index);
    const uint16_t rangeOffset = cmap.u16(rangeOffsets + 2 * index);
    for (uint32_t code = start; code <= end && code != 0xFFFF; ++code) {
        uint16_t glyph = 0;
        if (rangeOffset == 0) {
            glyph = static_cast<uint16_t>(code + delta);
        } else {
            const int at = rangeOffsets + 2 * index + rangeOffset + 2 * static_cast<int>(code - start);
            const uint16_t raw = cmap.u16(at);
            glyph = raw == 0 ? 0 : static_cast<uint16_t>(raw + delta);
        }
        if (glyph != 0)
            mapping[code] = glyph;
    }
}

}  // namespace

std::map<uint32_t, uint16_t> cmapFormat4Mapping(const QByteArray& cmapTable, uint32_t offset)
{
    const SfntReader cmap(cmapTable);
    const int base = static_cast<int>(offset);
    std::map<uint32_t, uint16_t> mapping;
    if (cmap.u16(base) != 4)
        return {};
    const int segments = cmap.u16(base + 6) / 2;
    for (int i = 0; i < segments; ++i)
        addFormat4Segment(cmap, base, segments, i, mapping);
    if (cmap.overrun())
        return {};
    return mapping;
}

QString windowsName(const QByteArray& nameTable, uint16_t nameId)
{
    const SfntReader name(nameTable);
    const int count = name.u16(2);
    const int storage = name.u16(4);
    for (int i = 0; i < count; ++i) {
        const int record = 6 + 12 * i;
        if (name.u16(record) != kWindowsPlatform || name.u16(record + 2) != kUnicodeBmpEncoding
            || name.u16(record + 4) != kUsEnglish || name.u16(record + 6) != nameId)
            continue;
        const QByteArray utf16 = name.bytes(storage + name.u16(record + 10), name.u16(record + 8));
        QString text;
        for (int at = 0; at + 1 < utf16.size(); at += 2) {
            const auto high = static_cast<unsigned char>(utf16[at]);
            const auto low = static_cast<unsigned char>(utf16[at + 1]);
            text += QChar(static_cast<char16_t>((high << 8) | low));
        }
        return name.overrun() ? QString() : text;
    }
    return {};
}
