// What the font tests know about the four embedded families: the files,
// the expected glyph counts and character maps, the Windows-1252 bytes,
// and the glyph-string rows with the codes they write (read from the row
// table the program writes, tools/fonts/rows.tsv).
#pragma once

#include <QByteArray>
#include <QRawFont>
#include <QString>
#include <QVector>

#include <cstdint>
#include <set>

struct FamilyFile {
    QString family;
    QString fileName;
    int glyphCount;
};

const QVector<FamilyFile>& familyFiles();

// The bytes of a committed font file (resources/fonts), empty if unreadable.
QByteArray readCommittedFont(const QString& fileName);

// The Unicode character a byte stands for in Windows-1252; 0 where the
// code page leaves it undefined.
char32_t windows1252(uint8_t byte);

// Code points the family's character map must hold, exactly.
std::set<uint32_t> expectedCodePoints(const QString& family);

// The glyph a byte of a glyph string selects: the glyph mapped at the
// Windows-1252 character of that byte (0 if none).
quint32 glyphForByte(const QRawFont& font, uint8_t byte);

struct GlyphRow {
    QString caption;
    QString family;
    int heightPx;
    bool bold;
    int cellWidthPx;
    QVector<int> codes;
};

// The glyph-string rows drawn in the four families, with every code each writes.
const QVector<GlyphRow>& glyphRows();

// Pixels from the value cell's top to the baseline at a font height.
int baselineFromTop(int heightPx);

constexpr int kCellHeightPx = 38;
