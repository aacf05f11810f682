#pragma once

#include <QFont>
#include <QGlyphRun>
#include <QTextLayout>
#include <QWidget>

// The value cell of a row written as text: the row's Unicode numeral,
// shaped by Qt's text layout in the row's own family alone (no other font
// stands in for a character it lacks) at the row's pixel height, so the
// font places the marks over its letters and makes its ligatures. The text
// is in logical order; a right-to-left numeral is laid out right to left by
// the layout. It stands left-aligned after a small indent, on the baseline
// its family gives (TextFonts), each letter on a whole device pixel, in the
// window's black on its page's white.
// An empty text (the system has no form for the number) draws nothing, and
// so does a family that is not loaded yet.
class TextCell : public QWidget {
    Q_OBJECT
public:
    static constexpr int kIndentPx = 8;

    TextCell(const QString& name, const QString& family, int pixelHeight, QWidget* parent = nullptr);

    // The row's family alone at a pixel height, unhinted, as the cell draws it.
    static QFont textFont(const QString& family, int pixelHeight);
    // One line whatever its direction, which the paragraph takes from the text.
    static QTextOption textOption();
    // The runs with every letter on a whole device pixel and its marks with it.
    static QList<QGlyphRun> onWholePixels(QList<QGlyphRun> runs, qreal scale);

    QString text() const { return text_; }
    // Lays the text out again when it is drawn next, if it changed.
    void setText(const QString& text);
    // How many times the text was set (whether or not it changed).
    int textSetCount() const { return textSetCount_; }

    const QFont& textFont() const { return font_; }
    // Where the text's line starts: its left end and the top of its line,
    // so that the line's baseline falls on baseline().
    QPointF textOrigin() const;
    int baseline() const;
    // The text as it is drawn on a device of `scale` device pixels to the
    // pixel: the glyphs as the layout shapes and places them, each letter
    // moved to the nearest whole device pixel and its marks with it, and the
    // font each comes from. Positions are from textOrigin().
    QList<QGlyphRun> glyphRuns(qreal scale = 1) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const QTextLayout& laidOut() const;
    void releaseLayout() const;

    QFont font_;
    QString text_;
    mutable QTextLayout layout_;
    mutable bool laidOut_ = false;
    int textSetCount_ = 0;
};
