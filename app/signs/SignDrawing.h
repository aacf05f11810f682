#pragma once

#include "rows/RowTable.h"
#include "signs/SignBySign.h"

#include <QFont>
#include <QRect>
#include <QSize>
#include <QString>

class QPainter;

// Draws pieces of one row's numerals in the row's own signs, `scale` times
// the row's size: glyph codes in the row's Glyfa family through the glyph
// drawing of the value cells, text in the row's text family as its text
// cell lays it out, the Roman numeral in its label's font, pictures as the
// picture rows compose them (the fine pictures where the device has the
// pixels for them, each picture pixel a whole number of device pixels).
class SignDrawing {
public:
    SignDrawing(const RowSpec& row, int scale);

    const RowSpec& row() const { return row_; }
    int scale() const { return scale_; }
    // The height of a line of signs: the row's height, scaled.
    int lineHeight() const { return kRowHeight * scale_; }
    // The room the piece takes: its advance (or its pictures' widths) and
    // a small margin on each side, a line high.
    QSize sizeOf(const signs::Piece& piece) const;
    // Draws the piece centred in `rect`, in the painter's pen colour.
    void draw(QPainter& painter, const QRect& rect, const signs::Piece& piece) const;
    // The same, the piece's size known (sizeOf).
    void draw(QPainter& painter, const QRect& rect, const signs::Piece& piece, const QSize& size) const;

private:
    int margin() const { return 2 * scale_; }
    qreal glyphWidth(const QByteArray& codes) const;
    qreal textWidth(const QString& text) const;
    QSize picturesSize(const PictureSequence& pictures) const;
    void drawGlyphs(QPainter& painter, qreal x, int top, const QByteArray& codes) const;
    void drawText(QPainter& painter, qreal x, int top, const QString& text) const;
    void drawPictures(QPainter& painter, int x, int top, const PictureSequence& pictures) const;

    const RowSpec& row_;
    int scale_;
    QFont font_;
};
