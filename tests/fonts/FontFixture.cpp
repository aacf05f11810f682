#include "FontFixture.h"

#include <QFile>

#include <cmath>

namespace {

// Windows-1252 characters of the bytes 0x80..0x9F (0: undefined).
constexpr char32_t kHighControls[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                        0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                        0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                        0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

// "32 58-67 ..." without the blank, which every family has of its own.
QVector<int> codesOfRuns(const QString& runs)
{
    QVector<int> codes;
    for (const QString& run : runs.split(u' ', Qt::SkipEmptyParts)) {
        const QStringList ends = run.split(u'-');
        for (int code = ends.front().toInt(); code <= ends.back().toInt(); ++code)
            if (code != 32)
                codes << code;
    }
    return codes;
}

// The value panels of the program's row table (rows.tsv, which
// tallyra-row-data writes) that draw in one of the four families.
QVector<GlyphRow> readRowTable()
{
    QFile file(QStringLiteral(TALLYRA_ROW_TABLE));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        qFatal("cannot read %s", TALLYRA_ROW_TABLE);
    const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
    const QStringList header = lines.front().split(u'\t');
    QVector<GlyphRow> rows;
    for (const QString& line : lines.mid(1)) {
        const QStringList fields = line.split(u'\t');
        const auto field = [&](const char* name) {
            return fields.value(header.indexOf(QLatin1String(name)));
        };
        if (field("kind") != QLatin1String("panel") || !field("family").startsWith(QLatin1String("Glyfa08")))
            continue;
        rows.append({field("caption"), field("family"), field("height").toInt(),
                     field("bold") == QLatin1String("1"), field("width").toInt(),
                     codesOfRuns(field("codes"))});
    }
    return rows;
}

}  // namespace

const QVector<FamilyFile>& familyFiles()
{
    static const QVector<FamilyFile> files = {
        {"Glyfa08", "Glyfa08.ttf", 194},
        {"Glyfa08b", "Glyfa08b.ttf", 194},
        {"Glyfa08c", "Glyfa08c.ttf", 204},
        {"Glyfa08d", "Glyfa08d.ttf", 194},
    };
    return files;
}

QByteArray readCommittedFont(const QString& fileName)
{
    QFile file(QStringLiteral(TALLYRA_FONT_DIR "/") + fileName);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

char32_t windows1252(uint8_t byte)
{
    if (byte >= 0x80 && byte <= 0x9F)
        return kHighControls[byte - 0x80];
    return byte;
}

std::set<uint32_t> expectedCodePoints(const QString& family)
{
    std::set<uint32_t> codePoints;
    for (uint32_t cp = 0x20; cp <= 0x7E; ++cp)
        codePoints.insert(cp);
    for (uint32_t cp = 0xA0; cp <= 0xFF; ++cp)
        codePoints.insert(cp);
    if (family == QLatin1String("Glyfa08c")) {
        for (int byte = 0x83; byte <= 0x8C; ++byte)
            codePoints.insert(windows1252(static_cast<uint8_t>(byte)));
    }
    return codePoints;
}

quint32 glyphForByte(const QRawFont& font, uint8_t byte)
{
    const char32_t character = windows1252(byte);
    if (character == 0)
        return 0;
    const QString text = QString::fromUcs4(&character, 1);
    const QVector<quint32> glyphs = font.glyphIndexesForString(text);
    return glyphs.size() == 1 ? glyphs.front() : 0;
}

const QVector<GlyphRow>& glyphRows()
{
    static const QVector<GlyphRow> rows = readRowTable();
    return rows;
}

int baselineFromTop(int heightPx)
{
    const int ascent = static_cast<int>(std::lround(heightPx * 2189 / 2048.0));
    const int descent = static_cast<int>(std::lround(heightPx * 555 / 2048.0));
    const int spare = kCellHeightPx - (ascent + descent);
    return static_cast<int>(std::floor(spare / 2.0)) + ascent;
}
