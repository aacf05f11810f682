#pragma once

#include "glyphs/FreeTypeFace.h"

#include <QByteArray>
#include <QFont>
#include <QGlyphRun>
#include <QHash>
#include <QRawFont>

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

class QPainter;

// A font resolved for drawing glyph strings: byte b is the Windows-1252
// character b, looked up in the font's own character map (glyph 0 when the
// font has none); nothing is shaped and no other font is consulted.
//
// The face comes from the fonts this process registered (PrivateFonts),
// else from the installed font the system configuration gives for the
// family; a bold font whose face is not bold is emboldened.
//
// Symbol-encoded fonts map bytes directly. When a row asks for "Symbol" and
// no symbol-encoded font answers, the row is drawn in DejaVu Sans with the
// bullet and minus sign put where the Symbol encoding has them. The minus
// sign fills its whole advance, so a row in "Symbol" spaces its signs a
// little: dashes in a row must stay apart to be counted.
class GlyphFace {
public:
    explicit GlyphFace(const QFont& font);

    // Cells with the same font share one face. The cache must be forgotten
    // whenever fonts are registered or released.
    static std::shared_ptr<const GlyphFace> forFont(const QFont& font);
    static void forgetCachedFaces();

    struct PlacedGlyph {
        std::uint32_t glyph;
        qreal x;  // pen position on the baseline
    };
    // Glyphs of a glyph string with their pen positions, left-aligned at x = 0
    // on the baseline y = 0; glyphs that start beyond `width` are left out.
    std::vector<PlacedGlyph> place(const QByteArray& glyphs, qreal width = 1e9) const;
    // Draws them in the painter's pen colour, the baseline's left end at
    // `origin`, rendered for the device's own pixels.
    void draw(QPainter& painter, QPointF origin, const QByteArray& glyphs, qreal width = 1e9) const;
    // Gives back the glyph images kept since they were first drawn; the next
    // drawing renders them again.
    void forgetDrawnGlyphs() const { drawn_ = {}; }
    int keptGlyphCount() const { return int(drawn_.size()); }
    // Pixels from the cell's top to the baseline in a cell of the given
    // height: the string stands centred as a single-line caption does.
    int baselineIn(int cellHeight) const;

    std::uint32_t glyphForByte(unsigned char byte) const { return glyphs_[byte]; }
    QString resolvedFamily() const { return family_; }
    int pixelSize() const { return pixelSize_; }

    // The same face as a QRawFont and the placed glyphs as a run of it, for
    // measuring outlines; made on first use (drawing never needs them).
    const QRawFont& rawFont() const;
    QGlyphRun layOut(const QByteArray& glyphs, qreal width = 1e9) const;

private:
    struct DrawnKey {
        std::uint32_t glyph;
        qint64 scale;  // device pixels per pixel, in 1/4096
        QRgb colour;
        bool operator==(const DrawnKey& other) const
        {
            return glyph == other.glyph && scale == other.scale && colour == other.colour;
        }
        friend size_t qHash(const DrawnKey& key, size_t seed)
        {
            return qHashMulti(seed, key.glyph, key.scale, key.colour);
        }
    };

    void open(const QString& family, bool bold);
    void mapBytes();
    void readAdvances();
    void readVerticalMetrics();
    const GlyphImage& drawn(std::uint32_t glyph, qreal scale, QRgb colour) const;

    std::shared_ptr<const FreeTypeFace> face_;
    QString source_;  // the font file (or registration) the face is open from
    QString family_;
    int pixelSize_ = 0;
    bool embolden_ = false;
    std::array<std::uint32_t, 256> glyphs_{};
    std::array<qreal, 256> advances_{};
    int ascent_ = 0;
    int descent_ = 0;
    qreal letterSpacing_ = 0;
    bool symbolStandIn_ = false;
    mutable QHash<DrawnKey, GlyphImage> drawn_;
    mutable QRawFont rawFont_;
};
