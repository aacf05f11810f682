#include "rows/TextCell.h"

#include "rows/TextFonts.h"

#include <QPainter>
#include <QTextLine>

#include <cmath>

// The runs with every letter at a whole device pixel, so that each glyph is
// rasterised once rather than once for every quarter pixel it may start at
// (as the glyph rows place theirs); a mark (no advance of its own) moves
// with the letter before it in the run, which it stands on.
QList<QGlyphRun> TextCell::onWholePixels(QList<QGlyphRun> runs, qreal scale)
{
    for (QGlyphRun& run : runs) {
        QList<QPointF> positions = run.positions();
        const QList<QPointF> advances = run.rawFont().advancesForGlyphIndexes(run.glyphIndexes());
        qreal shift = 0;
        for (qsizetype i = 0; i < positions.size(); ++i) {
            if (advances.value(i).x() != 0)
                shift = std::round(positions[i].x() * scale) / scale - positions[i].x();
            positions[i].rx() += shift;
        }
        run.setPositions(positions);
    }
    return runs;
}

QFont TextCell::textFont(const QString& family, int pixelHeight)
{
    QFont font(family);
    font.setPixelSize(pixelHeight);
    // Only the family itself: a character it lacked would show as its empty
    // box, never in a font that happens to be installed.
    font.setStyleStrategy(QFont::NoFontMerging);
    font.setHintingPreference(QFont::PreferNoHinting);  // the outlines the family's metrics were measured on
    return font;
}

// One line at the cell's left, whatever its direction. The paragraph
// takes its direction from the text: Qt 6.4 runs the bidirectional
// algorithm over a left-to-right paragraph only when one of its UTF-16
// code units is right-to-left, and takes a surrogate for left-to-right,
// so an Adlam or Kharoshthi numeral (beyond the Basic Multilingual
// Plane) would stand in memory order. As a right-to-left paragraph it
// is laid out right to left.
QTextOption TextCell::textOption()
{
    QTextOption option(Qt::AlignLeft | Qt::AlignAbsolute);
    option.setTextDirection(Qt::LayoutDirectionAuto);
    option.setWrapMode(QTextOption::NoWrap);
    return option;
}

TextCell::TextCell(const QString& name, const QString& family, int pixelHeight, QWidget* parent)
    : QWidget(parent), font_(textFont(family, pixelHeight))
{
    setObjectName(name);
    layout_.setTextOption(textOption());
    layout_.setFont(font_);
}

void TextCell::setText(const QString& text)
{
    ++textSetCount_;
    if (text == text_)
        return;
    text_ = text;
    laidOut_ = false;
    update();
}

const QTextLayout& TextCell::laidOut() const
{
    if (!laidOut_) {
        layout_.setText(text_);
        layout_.beginLayout();
        layout_.createLine().setLineWidth(width() - kIndentPx);
        layout_.endLayout();
        laidOut_ = true;
    }
    return layout_;
}

// The shaped text is given back once it is drawn: a change of the number
// lays every cell out again anyway, as a label does its text, and five
// pages of laid-out rows would otherwise stay in memory.
void TextCell::releaseLayout() const
{
    layout_.clearLayout();
    layout_.setText(QString());
    laidOut_ = false;
}

int TextCell::baseline() const
{
    return TextFonts::baselineIn(font_.family(), font_.pixelSize(), height());
}

QPointF TextCell::textOrigin() const
{
    return QPointF(kIndentPx, baseline() - laidOut().lineAt(0).ascent());
}

QList<QGlyphRun> TextCell::glyphRuns(qreal scale) const
{
    return onWholePixels(laidOut().glyphRuns(), scale);
}

void TextCell::paintEvent(QPaintEvent*)
{
    if (text_.isEmpty() || !TextFonts::isLoaded(font_.family()))
        return;
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    const QTransform& device = painter.deviceTransform();
    const qreal scale = device.type() <= QTransform::TxScale && device.m11() > 0 ? device.m11() : 1;
    const QPointF origin = textOrigin();
    for (const QGlyphRun& run : glyphRuns(scale))
        painter.drawGlyphRun(origin, run);
    releaseLayout();
}
