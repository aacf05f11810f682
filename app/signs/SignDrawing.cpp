#include "signs/SignDrawing.h"

#include "rows/PictureComposition.h"
#include "rows/TextCell.h"
#include "rows/TextFonts.h"

#include "glyphs/GlyphFace.h"
#include "glyphs/UiFonts.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

namespace {

QFont FontOf(const RowSpec& row, int pixelHeight)
{
    switch (row.kind) {
    case ValueKind::Panel: {
        // As the value cell has it after activation.
        QFont font = VerdanaFont(pixelHeight);
        font.setBold(row.bold);
        font.setFamily(QLatin1String(row.family));
        return font;
    }
    case ValueKind::Text:
        return TextCell::textFont(QString::fromUtf8(row.family), pixelHeight);
    case ValueKind::Label:
        return UiFont(pixelHeight);
    case ValueKind::PaintBox:
        break;
    }
    return QFont();
}

// The Hieratic box centres its pictures on one line; the others stand at the top.
bool CentresPictures(const RowSpec& row)
{
    return QLatin1String(row.cell) == QLatin1String("PB1");
}

QString TextOf(const signs::Piece& piece)
{
    return QString::fromStdString(piece.text);
}

QByteArray CodesOf(const signs::Piece& piece)
{
    return QByteArray::fromStdString(piece.codes);
}

// The text on one line that never wraps, with the text cells' options.
QTextLine LaidOutOnOneLine(QTextLayout& layout)
{
    layout.setTextOption(TextCell::textOption());
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(1e6);
    layout.endLayout();
    return line;
}

}  // namespace

SignDrawing::SignDrawing(const RowSpec& row, int scale)
    : row_(row), scale_(scale), font_(FontOf(row, row.pixelHeight * scale))
{
    if (row.kind == ValueKind::Text)
        TextFonts::load(row.page);
}

// The pen's end after the last glyph.
qreal SignDrawing::glyphWidth(const QByteArray& codes) const
{
    const std::shared_ptr<const GlyphFace> face = GlyphFace::forFont(font_);
    const std::vector<GlyphFace::PlacedGlyph> placed = face->place(codes);
    if (placed.empty())
        return 0;
    return placed.back().x + face->rawFont().advancesForGlyphIndexes({placed.back().glyph}).value(0).x();
}

qreal SignDrawing::textWidth(const QString& text) const
{
    if (row_.kind == ValueKind::Label)
        return QFontMetricsF(font_).horizontalAdvance(text);
    QTextLayout layout(text, font_);
    return LaidOutOnOneLine(layout).naturalTextWidth();
}

QSize SignDrawing::picturesSize(const PictureSequence& pictures) const
{
    int width = 0;
    int height = 0;
    for (const PictureStep& step : pictures) {
        if (step.isGap()) {
            width += step.gap;
            continue;
        }
        const QImage picture = StripPicture(QString::fromStdString(step.picture), false);
        width += picture.width();
        height = std::max(height, picture.height());
    }
    return QSize(width, height) * scale_;
}

QSize SignDrawing::sizeOf(const signs::Piece& piece) const
{
    qreal width = 0;
    if (!piece.pictures.empty())
        width = picturesSize(piece.pictures).width();
    else if (!piece.codes.empty())
        width = glyphWidth(CodesOf(piece));
    else if (!piece.text.empty())
        width = textWidth(TextOf(piece));
    return QSize(int(std::ceil(width)) + 2 * margin(), lineHeight());
}

void SignDrawing::draw(QPainter& painter, const QRect& rect, const signs::Piece& piece) const
{
    draw(painter, rect, piece, sizeOf(piece));
}

void SignDrawing::draw(QPainter& painter, const QRect& rect, const signs::Piece& piece,
                       const QSize& size) const
{
    const int x = rect.left() + (rect.width() - size.width()) / 2 + margin();
    const int top = rect.top() + (rect.height() - size.height()) / 2;
    // The caller's font and hints stay as they were for what it draws next.
    painter.save();
    if (!piece.pictures.empty())
        drawPictures(painter, x, top, piece.pictures);
    else if (!piece.codes.empty())
        drawGlyphs(painter, x, top, CodesOf(piece));
    else if (!piece.text.empty())
        drawText(painter, x, top, TextOf(piece));
    painter.restore();
}

void SignDrawing::drawGlyphs(QPainter& painter, qreal x, int top, const QByteArray& codes) const
{
    const std::shared_ptr<const GlyphFace> face = GlyphFace::forFont(font_);
    face->draw(painter, QPointF(x, top + face->baselineIn(lineHeight())), codes);
}

// The Roman numeral as its label sets it; a row's text as its text cell
// lays it out, letters on whole device pixels.
void SignDrawing::drawText(QPainter& painter, qreal x, int top, const QString& text) const
{
    if (row_.kind == ValueKind::Label) {
        const QFontMetricsF metrics(font_);
        painter.setFont(font_);
        const qreal baseline = top + std::floor((lineHeight() - metrics.height()) / 2) + metrics.ascent();
        painter.drawText(QPointF(x, baseline), text);
        return;
    }
    QTextLayout layout(text, font_);
    const QTextLine line = LaidOutOnOneLine(layout);
    const int baseline =
        top + TextFonts::baselineIn(QString::fromUtf8(row_.family), font_.pixelSize(), lineHeight());
    const QTransform& device = painter.deviceTransform();
    const qreal pixels = device.type() <= QTransform::TxScale && device.m11() > 0 ? device.m11() : 1;
    const QPointF origin(x - line.naturalTextRect().left(), baseline - line.ascent());
    for (const QGlyphRun& run : TextCell::onWholePixels(layout.glyphRuns(), pixels))
        painter.drawGlyphRun(origin, run);
}

// Each picture pixel becomes `scale` pixels, drawn without smoothing from
// the fine picture where the device has more than one pixel to the pixel.
void SignDrawing::drawPictures(QPainter& painter, int x, int top, const PictureSequence& pictures) const
{
    const bool fine = painter.device()->devicePixelRatioF() > 1.0;
    const int height = picturesSize(pictures).height();
    const int stripTop = top + (lineHeight() - height) / 2;
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    int cursor = x;
    for (const PictureStep& step : pictures) {
        if (step.isGap()) {
            cursor += step.gap * scale_;
            continue;
        }
        const QString name = QString::fromStdString(step.picture);
        const QImage plain = StripPicture(name, false);
        const QSize size = plain.size() * scale_;
        const int y = CentresPictures(row_) ? stripTop + (height - size.height()) / 2 : stripTop;
        painter.drawImage(QRect(QPoint(cursor, y), size), fine ? StripPicture(name, true) : plain);
        cursor += size.width();
    }
}
