#include "entry/SpinButton.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygon>

SpinButton::SpinButton(QWidget* parent) : QWidget(parent)
{
    // A click leaves the focus where it is (in the number field, so typing
    // goes on there); Tab still reaches the button for its keys.
    setFocusPolicy(Qt::TabFocus);
    repeatTimer_.setSingleShot(false);
    repeatTimer_.setTimerType(Qt::PreciseTimer);
    connect(&repeatTimer_, &QTimer::timeout, this, &SpinButton::repeat);
}

SpinButton::Half SpinButton::halfAt(const QPoint& position) const
{
    if (!rect().contains(position))
        return Half::None;
    return position.y() < height() / 2 ? Half::Up : Half::Down;
}

QRect SpinButton::rectOf(Half half) const
{
    const int middle = height() / 2;
    return half == Half::Up ? QRect(0, 0, width(), middle) : QRect(0, middle, width(), height() - middle);
}

void SpinButton::click(Half half)
{
    if (half == Half::Up)
        emit upClicked();
    else if (half == Half::Down)
        emit downClicked();
}

void SpinButton::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    pressedHalf_ = halfAt(event->position().toPoint());
    if (pressedHalf_ == Half::None)
        return;
    focusedHalf_ = pressedHalf_;
    pointerOnPressedHalf_ = true;
    update();
    repeatTimer_.start(kFirstRepeatDelay);
    click(pressedHalf_);
}

void SpinButton::mouseMoveEvent(QMouseEvent* event)
{
    if (pressedHalf_ == Half::None)
        return;
    const bool onHalf = halfAt(event->position().toPoint()) == pressedHalf_;
    if (onHalf != pointerOnPressedHalf_) {
        pointerOnPressedHalf_ = onHalf;
        update();
    }
}

void SpinButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    repeatTimer_.stop();
    pressedHalf_ = Half::None;
    update();
}

// The repeat keeps running while the button is held; it clicks only while
// the pointer is on the pressed half. After the first delay the timer keeps
// its own 100 ms beat, however long a click takes.
void SpinButton::repeat()
{
    if (repeatTimer_.interval() != kRepeatInterval)
        repeatTimer_.setInterval(kRepeatInterval);
    if (pressedHalf_ != Half::None && pointerOnPressedHalf_)
        click(pressedHalf_);
}

void SpinButton::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Up:
        click(Half::Up);
        break;
    case Qt::Key_Down:
        click(Half::Down);
        break;
    case Qt::Key_Space:
        click(focusedHalf_);
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
}

void SpinButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paintHalf(painter, Half::Up);
    paintHalf(painter, Half::Down);
}

void SpinButton::paintHalf(QPainter& painter, Half half) const
{
    const QRect box = rectOf(half).adjusted(0, 0, -1, -1);
    const bool sunken = pressedHalf_ == half && pointerOnPressedHalf_;
    painter.fillRect(box, QColor(240, 240, 240));
    painter.setPen(sunken ? QColor(160, 160, 160) : Qt::white);
    painter.drawLine(box.topLeft(), box.topRight());
    painter.drawLine(box.topLeft(), box.bottomLeft());
    painter.setPen(sunken ? Qt::white : QColor(160, 160, 160));
    painter.drawLine(box.bottomLeft(), box.bottomRight());
    painter.drawLine(box.topRight(), box.bottomRight());

    const QPoint centre = box.center() + (sunken ? QPoint(1, 1) : QPoint());
    const int dy = half == Half::Up ? -1 : 1;
    QPolygon arrow;
    arrow << centre + QPoint(-4, -2 * dy) << centre + QPoint(4, -2 * dy) << centre + QPoint(0, 2 * dy);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(isEnabled() ? Qt::black : Qt::gray);
    painter.drawPolygon(arrow);
}
