#include "glyphs/GlyphFace.h"

#include "glyphs/CharacterMap.h"
#include "glyphs/Cp1252.h"
#include "glyphs/InstalledFonts.h"
#include "glyphs/PrivateFonts.h"
#include "glyphs/SfntReader.h"
#include "glyphs/SystemFontMatch.h"

#include <QFontInfo>
#include <QPainter>

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

// One open face per font file, shared by all sizes and weights drawn from it.
QHash<QString, std::shared_ptr<const FreeTypeFace>>& OpenFaces()
{
    static QHash<QString, std::shared_ptr<const FreeTypeFace>> faces;
    return faces;
}

// The glyph of every byte, by open face (and stand-in): the same for every
// size and weight drawn from the face.
using ByteGlyphs = std::array<std::uint32_t, 256>;
QHash<QString, ByteGlyphs>& ByteMaps()
{
    static QHash<QString, ByteGlyphs> maps;
    return maps;
}

template <typename Open>
std::shared_ptr<const FreeTypeFace> SharedFace(const QString& key, Open open)
{
    std::shared_ptr<const FreeTypeFace>& face = OpenFaces()[key];
    if (!face)
        face = open();
    return face;
}

// The name to ask the system for: a family that is not installed is asked
// for by the first installed family the program substitutes for it
// ("Verdana" by its stand-in), as the font database would.
QString InstalledNameFor(const QString& family)
{
    if (IsFamilyInstalled(family))
        return family;
    for (const QString& substitute : QFont::substitutes(family))
        if (IsFamilyInstalled(substitute))
            return substitute;
    return family;
}

int PixelSizeOf(const QFont& font)
{
    return font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize();
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
    OpenFaces().clear();
    ByteMaps().clear();
}

GlyphFace::GlyphFace(const QFont& font) : pixelSize_(PixelSizeOf(font))
{
    const bool bold = font.weight() >= QFont::Bold;
    open(font.family(), bold);
    if (IsSymbolFamily(font.family())) {
        letterSpacing_ = std::round(pixelSize_ * kSymbolLetterSpacing);
        const CharacterMap map(face_->table("cmap"));
        if (!map.hasSymbolSubtable() && !IsSymbolEncodedClone(family_)) {
            open(QStringLiteral("DejaVu Sans"), bold);
            symbolStandIn_ = true;
        }
    }
    mapBytes();
    readVerticalMetrics();
}

// A family this process registered is drawn from the registered bytes;
// any other from the installed font the system configuration gives first
// for it. A bold font whose face is not bold is emboldened, as the font
// database does.
void GlyphFace::open(const QString& family, bool bold)
{
    const QByteArray fontFile = PrivateFonts::fileFor(family);
    if (!fontFile.isEmpty()) {
        source_ = QStringLiteral("private:") + family.toCaseFolded();
        face_ = SharedFace(source_, [&fontFile] { return FreeTypeFace::fromData(fontFile); });
        family_ = face_->familyName();
    } else {
        const SystemFont installed = SystemFontFor(InstalledNameFor(family), bold);
        source_ = QStringLiteral("%1#%2").arg(installed.path).arg(installed.index);
        face_ = SharedFace(source_,
                           [&installed] { return FreeTypeFace::fromFile(installed.path, installed.index); });
        family_ = installed.family;
    }
    embolden_ = bold && !face_->isBold();
    rawFont_ = QRawFont();
}

void GlyphFace::mapBytes()
{
    const QString key = symbolStandIn_ ? source_ + QStringLiteral("/stand-in") : source_;
    const auto mapped = ByteMaps().constFind(key);
    if (mapped != ByteMaps().constEnd()) {
        glyphs_ = mapped.value();
    } else {
        const CharacterMap map(face_->table("cmap"));
        for (int b = 0; b < 256; ++b) {
            const auto byte = static_cast<unsigned char>(b);
            std::uint32_t glyph = map.glyphForSymbolByte(byte);
            if (glyph == 0)
                glyph =
                    map.glyphForCharacter(symbolStandIn_ ? StandInCharacter(byte) : Cp1252ToUnicode(byte));
            glyphs_[b] = glyph;
        }
        ByteMaps().insert(key, glyphs_);
    }
    readAdvances();
}

// Advance widths straight from the font's horizontal metrics, in design
// units scaled to the pixel size: the same on every machine, and without
// loading a single glyph. (A font without those tables is asked glyph by
// glyph.)
void GlyphFace::readAdvances()
{
    const SfntReader hhea(face_->table("hhea"));
    const SfntReader hmtx(face_->table("hmtx"));
    const SfntReader head(face_->table("head"));
    const int metrics = hhea.u16(34);
    if (metrics == 0 || hmtx.size() < metrics * 4 || head.size() < 20) {
        for (int b = 0; b < 256; ++b)
            advances_[b] = face_->advance(glyphs_[b], pixelSize_);
        return;
    }
    const qreal scale = qreal(pixelSize_) / qMax(1, int(head.u16(18)));
    for (int b = 0; b < 256; ++b) {
        const int entry = std::min<int>(static_cast<int>(glyphs_[b]), metrics - 1);
        advances_[b] = hmtx.u16(entry * 4) * scale;
    }
}

// Ascent and descent as the font's horizontal header gives them, scaled to
// the pixel size and rounded; the same for every platform and setting.
void GlyphFace::readVerticalMetrics()
{
    const SfntReader hhea(face_->table("hhea"));
    const SfntReader head(face_->table("head"));
    if (hhea.size() < 8 || head.size() < 20) {
        ascent_ = face_->ascent(pixelSize_);
        descent_ = face_->descent(pixelSize_);
        return;
    }
    const int unitsPerEm = head.u16(18);
    const int ascender = hhea.s16(4);
    const int descender = hhea.s16(6);
    const qreal scale = qreal(pixelSize_) / (unitsPerEm ? unitsPerEm : 1000);
    ascent_ = qRound(ascender * scale);
    descent_ = qRound(std::abs(descender) * scale);
}

std::vector<GlyphFace::PlacedGlyph> GlyphFace::place(const QByteArray& glyphs, qreal width) const
{
    std::vector<PlacedGlyph> placed;
    placed.reserve(glyphs.size());
    qreal x = 0;
    for (char c : glyphs) {
        if (x > width)
            break;
        const auto byte = static_cast<unsigned char>(c);
        placed.push_back({glyphs_[byte], std::round(x)});
        x += advances_[byte] + letterSpacing_;
    }
    return placed;
}

const GlyphImage& GlyphFace::drawn(std::uint32_t glyph, qreal scale, QRgb colour) const
{
    const DrawnKey key{glyph, qRound64(scale * 4096), colour};
    auto found = drawn_.find(key);
    if (found == drawn_.end()) {
        GlyphImage image = face_->render(glyph, pixelSize_, scale, embolden_, colour);
        image.image.setDevicePixelRatio(scale);
        found = drawn_.insert(key, image);
    }
    return *found;
}

// Where the painter only scales (a screen at 150 % or 200 %), each glyph is
// rendered at the device's scale and put on whole device pixels, as the
// toolkit puts the glyphs it draws; under any other transformation the
// glyphs are drawn at the font's size and transformed with the painting.
void GlyphFace::draw(QPainter& painter, QPointF origin, const QByteArray& glyphs, qreal width) const
{
    const QTransform toDevice = painter.deviceTransform();
    const bool scalesOnly = toDevice.type() <= QTransform::TxScale && toDevice.m11() > 0
        && qFuzzyCompare(toDevice.m11(), toDevice.m22());
    const qreal scale = scalesOnly ? toDevice.m11() : 1;
    const QTransform fromDevice = toDevice.inverted();
    const QRgb colour = painter.pen().color().rgba();
    for (const PlacedGlyph& placed : place(glyphs, width)) {
        const GlyphImage& image = drawn(placed.glyph, scale, colour);
        if (image.image.isNull())
            continue;
        const QPointF pen = origin + QPointF(placed.x, 0);
        if (!scalesOnly) {
            painter.drawImage(pen + image.offset, image.image);
            continue;
        }
        const QPointF onDevice = toDevice.map(pen);
        const QPoint topLeft = QPoint(qFloor(onDevice.x()), qRound(onDevice.y())) + image.offset;
        painter.drawImage(fromDevice.map(QPointF(topLeft)), image.image);
    }
}

int GlyphFace::baselineIn(int cellHeight) const
{
    return FloorHalf(cellHeight - (ascent_ + descent_)) + ascent_;
}

const QRawFont& GlyphFace::rawFont() const
{
    if (!rawFont_.isValid()) {
        rawFont_ = face_->filePath().isEmpty()
            ? QRawFont(face_->fontData(), pixelSize_, QFont::PreferNoHinting)
            : QRawFont(face_->filePath(), pixelSize_, QFont::PreferNoHinting);
    }
    return rawFont_;
}

QGlyphRun GlyphFace::layOut(const QByteArray& glyphs, qreal width) const
{
    QList<quint32> indexes;
    QList<QPointF> positions;
    for (const PlacedGlyph& placed : place(glyphs, width)) {
        indexes.append(placed.glyph);
        positions.append(QPointF(placed.x, 0));
    }
    QGlyphRun run;
    run.setRawFont(rawFont());
    run.setGlyphIndexes(indexes);
    run.setPositions(positions);
    return run;
}
