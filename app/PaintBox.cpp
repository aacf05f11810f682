#include "PaintBox.h"

#include <QPainter>

PaintBox::PaintBox(const QString& name, QWidget* parent) : QWidget(parent)
{
    setObjectName(name);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);
}

void PaintBox::copyStrip(const QImage& strip, const QPoint& offset, std::vector<PictureStrip::Placed> placements)
{
    strip_ = strip;
    offset_ = offset;
    placements_ = std::move(placements);
    ++compositionCount_;
    // A box that is not shown gets no paint event for this strip; when it is
    // shown, its handler composes it again.
    stripIsFresh_ = isVisible();
    if (!painting_)
        update();
}

void PaintBox::hideEvent(QHideEvent* event)
{
    stripIsFresh_ = false;
    QWidget::hideEvent(event);
}

void PaintBox::paintEvent(QPaintEvent*)
{
    painting_ = true;
    if (!stripIsFresh_ && handler_) {
        const int before = compositionCount_;
        const bool completed = handler_();
        if (completed && compositionCount_ == before) {
            strip_ = QImage();   // the guard stopped it: nothing is drawn
            placements_.clear();
        }
    }
    stripIsFresh_ = false;
    painting_ = false;
    if (strip_.isNull())
        return;
    QPainter painter(this);
    painter.drawImage(offset_, strip_);
}
