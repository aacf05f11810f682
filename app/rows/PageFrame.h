#pragma once

#include <QImage>
#include <QRect>
#include <QStyleOptionTabWidgetFrame>

#include <array>

class QPainter;
class QRegion;
class QStyle;
class QWidget;

// The frame a page control draws around its pages, as its style draws it,
// kept as four images of the edges around the page area and drawn from
// them while the style's drawing would be the same.
//
// Qt's raster engine hands every fill of 96 scan lines or more to its pool
// of threads, and the frame's edges are lines and fills the height of the
// window: drawing them anew woke two threads several times on every repaint
// of the window, to fill a few pixels each. Copying kept pixels inside one
// rectangle of the painted region at a time stays in the painting thread,
// and so does keeping them, drawn in bands of fewer scan lines.
class PageFrame {
public:
    // Paints the frame `option` describes (its rect the page control's pane)
    // on `widget` within `region`; `pageArea` is where the pages lie, which
    // the style's drawing covers like the rest of the pane.
    void paint(QPainter& painter, const QWidget& widget, const QStyleOptionTabWidgetFrame& option,
               const QRect& pageArea, const QRegion& region);

private:
    bool keeps(const QWidget& widget, const QStyleOptionTabWidgetFrame& option,
               const std::array<QRect, 4>& edges, qreal ratio) const;
    void keep(const QWidget& widget, const QStyleOptionTabWidgetFrame& option,
              const std::array<QRect, 4>& edges, qreal ratio);

    QStyleOptionTabWidgetFrame option_;
    qreal ratio_ = 0;
    const QStyle* style_ = nullptr;
    std::array<QRect, 4> edges_;
    std::array<QImage, 4> edgeImages_;
};
