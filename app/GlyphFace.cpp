#include "GlyphFace.h"

#include "CharacterMap.h"
#include "Cp1252.h"

#include <QHash>

#include <cmath>

namespace {

bool IsSymbolFamily(const QString& family)
{
    return family.compare(QLatin1String("Symbol"), Qt::CaseInsensitive) == 0;
}

// Clones of the Symbol font that keep the Symbol encoding in a Unicode table.
bool IsSymbolEncodedClone(const QString& family)
{
    return family.startsWith(QLatin1String("Standard Symbols"), Qt::CaseInsensitive);
}

char32_t StandInCharacter(unsigned char byte)
{
    switch (byte) {
    case 0xB7: return U'\u2022';   // bullet
    case 0x2D: return U'\u2212';   // minus sign
    default: return Cp1252ToUnicode(byte);
    }
}

constexpr qreal kSymbolLetterSpacing = 0.15;   // of the em

// An unsigned big-endian 16-bit field of a font table; 0 past its end.
int TableU16(const QByteArray& table, qsizetype offset)
{
    if (offset < 0 || offset + 2 > table.size())
        return 0;
    return (static_cast<uchar>(table.at(offset)) << 8) | static_cast<uchar>(table.at(offset + 1));
}

int TableI16(const QByteArray& table, qsizetype offset)
{
    return static_cast<qint16>(TableU16(table, offset));
}

int FloorHalf(int value)
{
    return value >= 0 ? value / 2 : -((1 - value) / 2);
}

QHash<QString, std::shared_ptr<const GlyphFace>>& FaceCache()
{
    static QHash<QString, std::shared_ptr<const GlyphFace>> cache;
    return cache;
}

}  // namespace

std::shared_ptr<const GlyphFace> GlyphFace::forFont(const QFont& font)
{
    std::shared_ptr<const GlyphFace>& face = FaceCache()[font.key()];
    if (!face)
        face = std::make_shared<const GlyphFace>(font);
    return face;
}

void GlyphFace::forgetCachedFaces()
{
    FaceCache().clear();
}

GlyphFace::GlyphFace(const QFont& font)
{
    QFont resolved = font;
    resolved.setHintingPreference(QFont::PreferNoHinting);
    rawFont_ = QRawFont::fromFont(resolved);
    if (IsSymbolFamily(font.family())) {
        letterSpacing_ = std::round(rawFont_.pixelSize() * kSymbolLetterSpacing);
        const CharacterMap map(rawFont_.fontTable("cmap"));
        if (!map.hasSymbolSubtable() && !IsSymbolEncodedClone(rawFont_.familyName())) {
            resolved.setFamily(QStringLiteral("DejaVu Sans"));
            rawFont_ = QRawFont::fromFont(resolved);
            symbolStandIn_ = true;
        }
    }
    mapBytes();
    readVerticalMetrics();
}

void GlyphFace::mapBytes()
{
    const CharacterMap map(rawFont_.fontTable("cmap"));
    for (int b = 0; b < 256; ++b) {
        const auto byte = static_cast<unsigned char>(b);
        std::uint32_t glyph = map.glyphForSymbolByte(byte);
        if (glyph == 0)
            glyph = map.glyphForCharacter(symbolStandIn_ ? StandInCharacter(byte) : Cp1252ToUnicode(byte));
        glyphs_[b] = glyph;
    }
    readAdvances();
}

// Advance widths straight from the font's horizontal metrics, in design
// units scaled to the pixel size: the same on every machine, and without
// loading a single glyph.
void GlyphFace::readAdvances()
{
    const QByteArray hhea = rawFont_.fontTable("hhea");
    const QByteArray hmtx = rawFont_.fontTable("hmtx");
    const QByteArray head = rawFont_.fontTable("head");
    const int metrics = TableU16(hhea, 34);
    if (metrics == 0 || hmtx.size() < metrics * 4 || head.size() < 20) {
        QList<quint32> indexes(glyphs_.begin(), glyphs_.end());
        const QList<QPointF> advances = rawFont_.advancesForGlyphIndexes(indexes, QRawFont::UseDesignMetrics);
        for (int b = 0; b < 256 && b < advances.size(); ++b)
            advances_[b] = advances[b].x();
        return;
    }
    const qreal scale = rawFont_.pixelSize() / qMax(1, TableU16(head, 18));
    for (int b = 0; b < 256; ++b) {
        const int entry = std::min<int>(static_cast<int>(glyphs_[b]), metrics - 1);
        advances_[b] = TableU16(hmtx, entry * 4) * scale;
    }
}

// Ascent and descent as the font's horizontal header gives them, scaled to
// the pixel size and rounded; the same for every platform and setting.
void GlyphFace::readVerticalMetrics()
{
    const QByteArray hhea = rawFont_.fontTable("hhea");
    const QByteArray head = rawFont_.fontTable("head");
    if (hhea.size() < 8 || head.size() < 20) {
        ascent_ = qRound(rawFont_.ascent());
        descent_ = qRound(rawFont_.descent());
        return;
    }
    const int unitsPerEm = TableU16(head, 18);
    const int ascender = TableI16(hhea, 4);
    const int descender = TableI16(hhea, 6);
    const qreal scale = rawFont_.pixelSize() / (unitsPerEm ? unitsPerEm : 1000);
    ascent_ = qRound(ascender * scale);
    descent_ = qRound(std::abs(descender) * scale);
}

QGlyphRun GlyphFace::layOut(const QByteArray& glyphs, qreal width) const
{
    QList<quint32> indexes;
    QList<QPointF> positions;
    indexes.reserve(glyphs.size());
    positions.reserve(glyphs.size());
    qreal x = 0;
    for (char c : glyphs) {
        if (x > width)
            break;
        const auto byte = static_cast<unsigned char>(c);
        indexes.append(glyphs_[byte]);
        positions.append(QPointF(std::round(x), 0));
        x += advances_[byte] + letterSpacing_;
    }
    QGlyphRun run;
    run.setRawFont(rawFont_);
    run.setGlyphIndexes(indexes);
    run.setPositions(positions);
    return run;
}

int GlyphFace::baselineIn(int cellHeight) const
{
    return FloorHalf(cellHeight - (ascent_ + descent_)) + ascent_;
}
