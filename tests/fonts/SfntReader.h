// Reading the parts of a TrueType (sfnt) file that the font tests check:
// the table directory and fields of head, hhea, OS/2, maxp, name and cmap.
// All fields are big-endian; a read past the end of the data yields 0 and
// marks the reader as overrun, so a truncated table fails the checks
// instead of reading stray memory.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

#include <cstdint>
#include <map>

class SfntReader {
public:
    explicit SfntReader(QByteArray data) : m_data(std::move(data)) {}

    uint16_t u16(int offset) const;
    int16_t s16(int offset) const { return static_cast<int16_t>(u16(offset)); }
    uint32_t u32(int offset) const;
    QByteArray bytes(int offset, int length) const;
    int size() const { return m_data.size(); }
    bool overrun() const { return m_overrun; }

private:
    bool inRange(int offset, int length) const;

    QByteArray m_data;
    mutable bool m_overrun = false;
};

struct CmapSubtableEntry {
    uint16_t platformId = 0;
    uint16_t encodingId = 0;
    uint16_t format = 0;
    uint32_t offset = 0;
};

// Table tags listed in the directory of a font file, in file order.
QStringList sfntTableTags(const QByteArray &fontFile);

// The encoding records of a cmap table, with each subtable's format.
QVector<CmapSubtableEntry> cmapSubtables(const QByteArray &cmapTable);

// Code point -> glyph of a format 4 subtable (glyph 0 entries left out).
// Returns an empty map if the subtable is malformed.
std::map<uint32_t, uint16_t> cmapFormat4Mapping(const QByteArray &cmapTable, uint32_t offset);

// A Windows (platform 3, encoding 1, US English) name record, or a null string.
QString windowsName(const QByteArray &nameTable, uint16_t nameId);
