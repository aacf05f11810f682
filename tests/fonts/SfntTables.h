// The parts of a TrueType (sfnt) file that the font tests check beyond
// single fields: the table directory, the cmap encoding records and format 4
// mappings, and name records. Fields are read with the program's own
// SfntReader, so a truncated table fails the checks instead of reading stray
// memory.
#pragma once

#include "glyphs/SfntReader.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

#include <cstdint>
#include <map>

struct CmapSubtableEntry {
    uint16_t platformId = 0;
    uint16_t encodingId = 0;
    uint16_t format = 0;
    uint32_t offset = 0;
};

// Table tags listed in the directory of a font file, in file order.
QStringList sfntTableTags(const QByteArray& fontFile);

// The encoding records of a cmap table, with each subtable's format.
QVector<CmapSubtableEntry> cmapSubtables(const QByteArray& cmapTable);

// Code point -> glyph of a format 4 subtable (glyph 0 entries left out).
// Returns an empty map if the subtable is malformed.
std::map<uint32_t, uint16_t> cmapFormat4Mapping(const QByteArray& cmapTable, uint32_t offset);

// A Windows (platform 3, encoding 1, US English) name record, or a null string.
QString windowsName(const QByteArray& nameTable, uint16_t nameId);
