#include "glyphs/FreeTypeFace.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_ADVANCES_H
#include FT_FONT_FORMATS_H
#include FT_SYNTHESIS_H
#include FT_TRUETYPE_TABLES_H
#include FT_MODULE_H

#include <array>
#include <cmath>
#include <cstring>

namespace {

// One library for the process, made on first use. It stays until the
// process ends, so faces held in static caches can be closed after it.
FT_Library Library()
{
    static FT_Library library = [] {
        FT_Library made = nullptr;
        if (FT_Init_FreeType(&made) != 0)
            return FT_Library(nullptr);
        // CFF stems darkened, as the toolkit draws them (see GammaCorrected).
        FT_Bool noDarkening = false;
        FT_Property_Set(made, "cff", "no-stem-darkening", &noDarkening);
        return made;
    }();
    return library;
}

// Glyphs are outlines drawn at the font's size: no hinting, and no
// embedded bitmaps, which belong to hinted sizes.
constexpr FT_Int32 kLoadFlags = FT_LOAD_NO_HINTING | FT_LOAD_NO_BITMAP;

// A premultiplied colour times a coverage of 0..255, rounded as the
// toolkit's raster engine blends a glyph's coverage, so a glyph drawn from
// this image lands on the same pixels as one the toolkit draws itself.
QRgb TimesCoverage(QRgb premultiplied, unsigned coverage)
{
    std::uint32_t redBlue = (premultiplied & 0xff00ff) * coverage;
    redBlue = ((redBlue + ((redBlue >> 8) & 0xff00ff) + 0x800080) >> 8) & 0xff00ff;
    std::uint32_t alphaGreen = ((premultiplied >> 8) & 0xff00ff) * coverage;
    alphaGreen = (alphaGreen + ((alphaGreen >> 8) & 0xff00ff) + 0x800080) & 0xff00ff00;
    return alphaGreen | redBlue;
}

// The toolkit blends the darkened glyphs of a CFF font gamma-corrected
// (gamma 1.7, its default for text): black on white, a pixel covered by a
// is then 1 - (1 - a)^(1 / 1.7) dark. The coverage is given that darkness,
// so the plain blend of the picture lands where the toolkit's does.
const std::array<unsigned char, 256>& GammaCorrected()
{
    static const std::array<unsigned char, 256> table = [] {
        std::array<unsigned char, 256> corrected{};
        for (int a = 0; a < 256; ++a)
            corrected[a] =
                static_cast<unsigned char>(std::lround(255 * (1 - std::pow(1 - a / 255.0, 1 / 1.7))));
        return corrected;
    }();
    return table;
}

// Black ink, the rows' own, is kept as its coverage alone (a quarter of
// the bytes): the toolkit draws an alpha map as black of that coverage.
QImage BlackCoverage(const FT_Bitmap& bitmap, bool gammaCorrected)
{
    QImage image(int(bitmap.width), int(bitmap.rows), QImage::Format_Alpha8);
    for (unsigned row = 0; row < bitmap.rows; ++row) {
        const unsigned char* coverage = bitmap.buffer + std::ptrdiff_t(row) * bitmap.pitch;
        uchar* pixel = image.scanLine(int(row));
        for (unsigned column = 0; column < bitmap.width; ++column)
            pixel[column] = gammaCorrected ? GammaCorrected()[coverage[column]] : coverage[column];
    }
    return image;
}

QImage ColouredCoverage(const FT_Bitmap& bitmap, QRgb colour, bool gammaCorrected)
{
    if (colour == qRgb(0, 0, 0))
        return BlackCoverage(bitmap, gammaCorrected);
    QImage image(int(bitmap.width), int(bitmap.rows), QImage::Format_ARGB32_Premultiplied);
    const QRgb premultiplied = qPremultiply(colour);
    for (unsigned row = 0; row < bitmap.rows; ++row) {
        const unsigned char* coverage = bitmap.buffer + std::ptrdiff_t(row) * bitmap.pitch;
        auto* pixel = reinterpret_cast<QRgb*>(image.scanLine(int(row)));
        for (unsigned column = 0; column < bitmap.width; ++column) {
            const unsigned a = gammaCorrected ? GammaCorrected()[coverage[column]] : coverage[column];
            pixel[column] = a == 255 ? premultiplied : TimesCoverage(premultiplied, a);
        }
    }
    return image;
}

}  // namespace

std::shared_ptr<FreeTypeFace> FreeTypeFace::fromData(const QByteArray& fontFile)
{
    std::shared_ptr<FreeTypeFace> face(new FreeTypeFace);
    face->data_ = fontFile;
    const auto* bytes = reinterpret_cast<const FT_Byte*>(face->data_.constData());
    if (!Library() || FT_New_Memory_Face(Library(), bytes, face->data_.size(), 0, &face->face_) != 0)
        face->face_ = nullptr;
    return face;
}

std::shared_ptr<FreeTypeFace> FreeTypeFace::fromFile(const QString& path, int index)
{
    std::shared_ptr<FreeTypeFace> face(new FreeTypeFace);
    face->path_ = path;
    if (!Library() || FT_New_Face(Library(), path.toLocal8Bit().constData(), index, &face->face_) != 0)
        face->face_ = nullptr;
    return face;
}

FreeTypeFace::~FreeTypeFace()
{
    if (face_)
        FT_Done_Face(face_);
}

QString FreeTypeFace::familyName() const
{
    return face_ && face_->family_name ? QString::fromUtf8(face_->family_name) : QString();
}

bool FreeTypeFace::isCff() const
{
    const char* format = face_ ? FT_Get_Font_Format(face_) : nullptr;
    return format && std::strcmp(format, "CFF") == 0;
}

bool FreeTypeFace::isBold() const
{
    return face_ && (face_->style_flags & FT_STYLE_FLAG_BOLD);
}

QByteArray FreeTypeFace::table(const char (&tag)[5]) const
{
    const FT_ULong name = FT_MAKE_TAG(tag[0], tag[1], tag[2], tag[3]);
    FT_ULong length = 0;
    if (!face_ || !FT_IS_SFNT(face_) || FT_Load_Sfnt_Table(face_, name, 0, nullptr, &length) != 0)
        return {};
    QByteArray bytes(qsizetype(length), Qt::Uninitialized);
    if (FT_Load_Sfnt_Table(face_, name, 0, reinterpret_cast<FT_Byte*>(bytes.data()), &length) != 0)
        return {};
    return bytes;
}

int FreeTypeFace::ascent(int pixelSize) const
{
    return setSize(pixelSize, 1) ? int(std::lround(face_->size->metrics.ascender / 64.0)) : 0;
}

int FreeTypeFace::descent(int pixelSize) const
{
    return setSize(pixelSize, 1) ? int(std::lround(-face_->size->metrics.descender / 64.0)) : 0;
}

double FreeTypeFace::advance(std::uint32_t glyph, int pixelSize) const
{
    FT_Fixed advance = 0;
    if (!setSize(pixelSize, 1) || FT_Get_Advance(face_, glyph, kLoadFlags, &advance) != 0)
        return 0;
    return advance / 65536.0;
}

// A magnified device (a screen at 200 %) gets the glyph drawn at the
// magnified size, emboldened in proportion, so it looks as at 1x, only finer.
bool FreeTypeFace::setSize(int pixelSize, double scale) const
{
    if (!face_ || pixelSize <= 0)
        return false;
    if (pixelSize == pixelSize_ && scale == scale_)
        return true;
    const auto size = FT_F26Dot6(std::lround(pixelSize * scale * 64));
    if (FT_Set_Char_Size(face_, size, size, 0, 0) != 0)
        return false;
    pixelSize_ = pixelSize;
    scale_ = scale;
    return true;
}

GlyphImage FreeTypeFace::render(std::uint32_t glyph, int pixelSize, double scale, bool embolden,
                                QRgb colour) const
{
    GlyphImage drawn;
    if (!setSize(pixelSize, scale) || FT_Load_Glyph(face_, glyph, kLoadFlags) != 0)
        return drawn;
    FT_GlyphSlot slot = face_->glyph;
    if (embolden)
        FT_GlyphSlot_Embolden(slot);
    if (FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) != 0 || slot->bitmap.pixel_mode != FT_PIXEL_MODE_GRAY
        || slot->bitmap.width == 0 || slot->bitmap.rows == 0)
        return drawn;
    drawn.image = ColouredCoverage(slot->bitmap, colour, isCff());
    drawn.offset = QPoint(slot->bitmap_left, -slot->bitmap_top);
    return drawn;
}
