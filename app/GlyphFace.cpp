#include "GlyphFace.h"

#include "CharacterMap.h"
#include "Cp1252.h"
#include "SfntReader.h"
#include "SystemFontMatch.h"

#include <QFontDatabase>
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
    case 0xB7:
        return U'\u2022';  // bullet
    case 0x2D:
        return U'\u2212';  // minus sign
    default:
        return Cp1252ToUnicode(byte);
    }
}

constexpr qreal kSymbolLetterSpacing = 0.15;  // of the em

int FloorHalf(int value)
{
    return value >= 0 ? value / 2 : -((1 - value) / 2);
}

QHash<QString, std::shared_ptr<const GlyphFace>>& FaceCache()
{
    static QHash<QString, std::shared_ptr<const GlyphFace>> cache;
    return cache;
}

// Font data of the families the program registered, by case-folded family.
QHash<QString, QByteArray>& ProgramFonts()
{
    static QHash<QString, QByteArray> fonts;
    return fonts;
}

// One loaded face per family, weight and slant; the sizes are copies of it.
QHash<QString, QRawFont>& LoadedFaces()
{
    static QHash<QString, QRawFont> faces;
    return faces;
}

// A face of the font at some size: from the program's own data when the
// program registered the family (its data has no bold or italic face, so
// those are left to the font database), else looked up by name. A family
// the font database does not list ("Symbol" is an alias) is first given the
// font the system configuration matches to it, the font the database would
// take first from the family's whole fallback list.
QRawFont LoadFace(const QFont& font)
{
    const QByteArray data = ProgramFonts().value(font.family().toCaseFolded());
    if (!data.isEmpty() && font.weight() <= QFont::Normal && font.style() == QFont::StyleNormal)
        return QRawFont(data, font.pixelSize(), QFont::PreferNoHinting);
    QFont resolved = font;
    resolved.setHintingPreference(QFont::PreferNoHinting);
    if (!QFontDatabase::families().contains(font.family(), Qt::CaseInsensitive)) {
        const QString matched = SystemFamilyFor(font.family());
        if (!matched.isEmpty())
            resolved.setFamily(matched);
    }
    return QRawFont::fromFont(resolved);
}

// Every distinct font costs the font database a match; a new size of a face
// already loaded costs none.
QRawFont RawFontFor(const QFont& font)
{
    if (font.pixelSize() <= 0)
        return LoadFace(font);
    const QString key =
        QStringLiteral("%1/%2/%3").arg(font.family().toCaseFolded()).arg(font.weight()).arg(font.style());
    QRawFont& face = LoadedFaces()[key];
    if (!face.isValid())
        face = LoadFace(font);
    QRawFont sized = face;
    sized.setPixelSize(font.pixelSize());
    return sized;
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
    LoadedFaces().clear();
}

void GlyphFace::addProgramFont(const QString& family, const QByteArray& data)
{
    ProgramFonts().insert(family.toCaseFolded(), data);
    forgetCachedFaces();
}

void GlyphFace::removeProgramFont(const QString& family)
{
    ProgramFonts().remove(family.toCaseFolded());
    forgetCachedFaces();
}

GlyphFace::GlyphFace(const QFont& font)
{
    rawFont_ = RawFontFor(font);
    if (IsSymbolFamily(font.family())) {
        letterSpacing_ = std::round(rawFont_.pixelSize() * kSymbolLetterSpacing);
        const CharacterMap map(rawFont_.fontTable("cmap"));
        if (!map.hasSymbolSubtable() && !IsSymbolEncodedClone(rawFont_.familyName())) {
            QFont standIn = font;
            standIn.setFamily(QStringLiteral("DejaVu Sans"));
            rawFont_ = RawFontFor(standIn);
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
    const SfntReader hhea(rawFont_.fontTable("hhea"));
    const SfntReader hmtx(rawFont_.fontTable("hmtx"));
    const SfntReader head(rawFont_.fontTable("head"));
    const int metrics = hhea.u16(34);
    if (metrics == 0 || hmtx.size() < metrics * 4 || head.size() < 20) {
        QList<quint32> indexes(glyphs_.begin(), glyphs_.end());
        const QList<QPointF> advances = rawFont_.advancesForGlyphIndexes(indexes, QRawFont::UseDesignMetrics);
        for (int b = 0; b < 256 && b < advances.size(); ++b)
            advances_[b] = advances[b].x();
        return;
    }
    const qreal scale = rawFont_.pixelSize() / qMax(1, int(head.u16(18)));
    for (int b = 0; b < 256; ++b) {
        const int entry = std::min<int>(static_cast<int>(glyphs_[b]), metrics - 1);
        advances_[b] = hmtx.u16(entry * 4) * scale;
    }
}

// Ascent and descent as the font's horizontal header gives them, scaled to
// the pixel size and rounded; the same for every platform and setting.
void GlyphFace::readVerticalMetrics()
{
    const SfntReader hhea(rawFont_.fontTable("hhea"));
    const SfntReader head(rawFont_.fontTable("head"));
    if (hhea.size() < 8 || head.size() < 20) {
        ascent_ = qRound(rawFont_.ascent());
        descent_ = qRound(rawFont_.descent());
        return;
    }
    const int unitsPerEm = head.u16(18);
    const int ascender = hhea.s16(4);
    const int descender = hhea.s16(6);
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
