#include "rows/PaintBox.h"

#include <QPainter>

PaintBox::PaintBox(const QString& name, QWidget* parent) : QWidget(parent)
{
    setObjectName(name);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);
}

void PaintBox::copyStrip(const QImage& strip, const QPoint& offset,
                         std::vector<PictureStrip::Placed> placements, const QImage& fineStrip)
{
    offset_ = offset;
    placements_ = std::move(placements);
    ++compositionCount_;
    // A box that is not shown gets no paint event for this strip; when it is
    // shown, its handler composes it again.
    stripIsFresh_ = isVisible();
    // A box drawn for a copy while its page is hidden keeps what it draws.
    if (onLeftPage() && !painting_) {
        releaseStrip();
    } else {
        strip_ = strip;
        fineStrip_ = fineStrip;
    }
    if (!painting_)
        update();
}

// Hidden while its window is shown: the box's page is not the one shown.
bool PaintBox::onLeftPage() const
{
    return !isVisible() && window()->isVisible();
}

// The pixels of a page the user has left are not kept: the page's next
// show composes them again, and the pages shown meanwhile reuse the memory.
void PaintBox::releaseStrip()
{
    strip_ = QImage();
    fineStrip_ = QImage();
}

void PaintBox::hideEvent(QHideEvent* event)
{
    stripIsFresh_ = false;
    if (onLeftPage())
        releaseStrip();
    QWidget::hideEvent(event);
}

void PaintBox::paintEvent(QPaintEvent*)
{
    painting_ = true;
    if (!stripIsFresh_ && handler_) {
        const int before = compositionCount_;
        const bool completed = handler_();
        if (completed && compositionCount_ == before) {
            strip_ = QImage();  // the guard stopped it: nothing is drawn
            fineStrip_ = QImage();
            placements_.clear();
        }
    }
    stripIsFresh_ = false;
    painting_ = false;
    if (strip_.isNull())
        return;
    QPainter painter(this);
    // The scale of what is painted on: the screen's device pixel ratio, or 1
    // when the box is rendered into a plain image.
    if (!fineStrip_.isNull() && painter.deviceTransform().m11() > 1.0) {
        // Exact at a ratio of 2; smoothly scaled at other ratios.
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(offset_, fineStrip_);
        return;
    }
    painter.drawImage(offset_, strip_);
}
