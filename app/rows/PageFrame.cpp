#include "rows/PageFrame.h"

#include <QPainter>
#include <QRegion>
#include <QStyle>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace {

// How far the style's drawing may reach beyond the pane: a line on the
// pane's edge, drawn at a scale of 2, covers half a pixel outside it.
constexpr int kReach = 2;

// The pane and what the drawing may reach around it, within the widget, in
// four parts around the page area: the edge above it, the one below, and
// the two beside it.
std::array<QRect, 4> EdgesAround(const QRect& pane, const QRect& widget, const QRect& pageArea)
{
    const QRect outer = pane.adjusted(-kReach, -kReach, kReach, kReach) & widget;
    return {QRect(outer.topLeft(), QPoint(outer.right(), pageArea.top() - 1)),
            QRect(QPoint(outer.left(), pageArea.bottom() + 1), outer.bottomRight()),
            QRect(QPoint(outer.left(), pageArea.top()), QPoint(pageArea.left() - 1, pageArea.bottom())),
            QRect(QPoint(pageArea.right() + 1, pageArea.top()), QPoint(outer.right(), pageArea.bottom()))};
}

// Everything of the option a style may draw the frame from.
bool SameFrame(const QStyleOptionTabWidgetFrame& a, const QStyleOptionTabWidgetFrame& b)
{
    return a.rect == b.rect && a.state == b.state && a.direction == b.direction && a.palette == b.palette
        && a.palette.currentColorGroup() == b.palette.currentColorGroup() && a.shape == b.shape
        && a.tabBarRect == b.tabBarRect && a.selectedTabRect == b.selectedTabRect
        && a.tabBarSize == b.tabBarSize && a.leftCornerWidgetSize == b.leftCornerWidgetSize
        && a.rightCornerWidgetSize == b.rightCornerWidgetSize && a.lineWidth == b.lineWidth
        && a.midLineWidth == b.midLineWidth;
}

// Fewer device rows than the raster engine hands to its threads, with a
// span or two in each.
constexpr int kBandDeviceRows = 40;

// The scale of the device painted on, when kept pixels land on whole device
// pixels there; 0 otherwise.
qreal WholeScale(const QPainter& painter)
{
    const QTransform device = painter.deviceTransform();
    const qreal scale = device.m11();
    const bool whole = device.type() <= QTransform::TxScale && scale == device.m22() && scale >= 1
        && scale == std::floor(scale) && device.dx() == std::floor(device.dx())
        && device.dy() == std::floor(device.dy());
    return whole ? scale : 0;
}

void DrawFrame(QPainter& painter, const QWidget& widget, const QStyleOptionTabWidgetFrame& option)
{
    widget.style()->drawPrimitive(QStyle::PE_FrameTabWidget, &option, &painter, &widget);
}

}  // namespace

void PageFrame::paint(QPainter& painter, const QWidget& widget, const QStyleOptionTabWidgetFrame& option,
                      const QRect& pageArea, const QRegion& region)
{
    const qreal ratio = WholeScale(painter);
    if (ratio == 0 || pageArea.isEmpty() || !option.rect.contains(pageArea)) {
        DrawFrame(painter, widget, option);
        return;
    }
    const std::array<QRect, 4> edges = EdgesAround(option.rect, widget.rect(), pageArea);
    if (!keeps(widget, option, edges, ratio))
        keep(widget, option, edges, ratio);
    // One rectangle of the region at a time: a clip of several rectangles
    // would send the copy through the fill that the thread pool takes.
    for (std::size_t i = 0; i < edges_.size(); ++i) {
        const QRegion painted = region.intersected(edges_[i]);
        for (const QRect& part : painted) {
            painter.save();
            painter.setClipRect(part, Qt::IntersectClip);
            painter.drawImage(edges_[i].topLeft(), edgeImages_[i]);
            painter.restore();
        }
    }
    // Where the pages lie they normally cover the frame, and it is not
    // painted there; when it is, the style draws it.
    const QRegion underPages = region.intersected(pageArea);
    if (!underPages.isEmpty()) {
        painter.save();
        painter.setClipRegion(underPages, Qt::IntersectClip);
        DrawFrame(painter, widget, option);
        painter.restore();
    }
}

bool PageFrame::keeps(const QWidget& widget, const QStyleOptionTabWidgetFrame& option,
                      const std::array<QRect, 4>& edges, qreal ratio) const
{
    return ratio == ratio_ && widget.style() == style_ && edges == edges_ && SameFrame(option, option_);
}

void PageFrame::keep(const QWidget& widget, const QStyleOptionTabWidgetFrame& option,
                     const std::array<QRect, 4>& edges, qreal ratio)
{
    edges_ = edges;
    for (std::size_t i = 0; i < edges_.size(); ++i) {
        QImage image(edges_[i].size() * ratio, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(ratio);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        // As a painter on the widget starts.
        painter.setPen(widget.palette().color(widget.foregroundRole()));
        painter.setBackground(widget.palette().brush(widget.backgroundRole()));
        painter.setFont(widget.font());
        painter.translate(-edges_[i].topLeft());
        // In bands, so that keeping the edges beside the pages does not
        // wake the threads either.
        const int bandRows = std::max(1, int(kBandDeviceRows / ratio));
        for (int top = edges_[i].top(); top <= edges_[i].bottom(); top += bandRows) {
            painter.setClipRect(QRect(edges_[i].left(), top, edges_[i].width(), bandRows));
            DrawFrame(painter, widget, option);
        }
        painter.end();
        edgeImages_[i] = image;
    }
    option_ = option;
    ratio_ = ratio;
    style_ = widget.style();
}
