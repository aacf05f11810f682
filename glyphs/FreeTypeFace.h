#pragma once

#include <QByteArray>
#include <QImage>
#include <QPoint>
#include <QString>

#include <cstdint>
#include <memory>

struct FT_FaceRec_;

// A glyph's coverage, drawn: a premultiplied image of the pen colour and
// where its top-left pixel lies from the pen position, in device pixels.
struct GlyphImage {
    QImage image;  // null for a glyph without ink
    QPoint offset;
};

// One face of a font file, opened with FreeType: from bytes the program
// holds, or from an installed file. Renders glyphs unhinted and
// antialiased, as the window's toolkit renders an unhinted font, so a row
// drawn here matches text the toolkit draws.
class FreeTypeFace {
public:
    static std::shared_ptr<FreeTypeFace> fromData(const QByteArray& fontFile);
    static std::shared_ptr<FreeTypeFace> fromFile(const QString& path, int index);
    ~FreeTypeFace();
    FreeTypeFace(const FreeTypeFace&) = delete;
    FreeTypeFace& operator=(const FreeTypeFace&) = delete;

    bool isValid() const { return face_ != nullptr; }
    // The family as the font file names it.
    QString familyName() const;
    bool isBold() const;
    // A CFF font (OpenType with PostScript outlines): drawn darkened.
    bool isCff() const;
    // A table of an OpenType or TrueType file; empty when there is none.
    QByteArray table(const char (&tag)[5]) const;

    // Metrics of a face set to a pixel size, for fonts without the tables
    // that give them (Type 1): in pixels.
    int ascent(int pixelSize) const;
    int descent(int pixelSize) const;
    double advance(std::uint32_t glyph, int pixelSize) const;

    // The glyph at a pixel size, magnified by `scale` device pixels per
    // pixel, emboldened where the face lacks the bold weight asked for
    // (as the toolkit's font database does it), in the colour given.
    GlyphImage render(std::uint32_t glyph, int pixelSize, double scale, bool embolden, QRgb colour) const;

    // Where the face came from: the bytes or the file, for a QRawFont of
    // the same face.
    const QByteArray& fontData() const { return data_; }
    const QString& filePath() const { return path_; }

private:
    FreeTypeFace() = default;
    bool setSize(int pixelSize, double scale) const;

    FT_FaceRec_* face_ = nullptr;
    QByteArray data_;  // the bytes a face from memory reads from, kept alive
    QString path_;
    mutable int pixelSize_ = 0;
    mutable double scale_ = 0;
};
