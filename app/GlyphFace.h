#pragma once

#include <QByteArray>
#include <QFont>
#include <QGlyphRun>
#include <QRawFont>

#include <array>
#include <cstdint>
#include <memory>

// A font resolved for drawing glyph strings: byte b is the Windows-1252
// character b, looked up in the font's own character map (glyph 0 when the
// font has none); nothing is shaped and no other font is consulted.
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
    // The program's own data of a family it registered: its faces are
    // loaded from these bytes instead of being looked up by name.
    static void addProgramFont(const QString& family, const QByteArray& data);
    static void removeProgramFont(const QString& family);

    // Glyphs of a glyph string with their pen positions, left-aligned at x = 0
    // on the baseline y = 0; glyphs that start beyond `width` are left out.
    QGlyphRun layOut(const QByteArray& glyphs, qreal width = 1e9) const;
    // Pixels from the cell's top to the baseline in a cell of the given
    // height: the string stands centred as a single-line caption does.
    int baselineIn(int cellHeight) const;

    std::uint32_t glyphForByte(unsigned char byte) const { return glyphs_[byte]; }
    const QRawFont& rawFont() const { return rawFont_; }
    QString resolvedFamily() const { return rawFont_.familyName(); }

private:
    void mapBytes();
    void readAdvances();
    void readVerticalMetrics();

    QRawFont rawFont_;
    std::array<std::uint32_t, 256> glyphs_{};
    std::array<qreal, 256> advances_{};
    int ascent_ = 0;
    int descent_ = 0;
    qreal letterSpacing_ = 0;
    bool symbolStandIn_ = false;
};
