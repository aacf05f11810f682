#include "signs/SignButton.h"

#include "signs/SignDrawing.h"

#include "numerals/text/Translatable.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>

namespace {

constexpr int kPadding = 6;

}  // namespace

SignButton::SignButton(std::shared_ptr<const SignDrawing> drawing, const signs::Sign& sign, QWidget* parent)
    : QPushButton(parent), drawing_(std::move(drawing)), piece_(sign.piece),
      pieceSize_(drawing_->sizeOf(piece_))
{
    setAutoDefault(false);
    setText(caption(sign));
    setAccessibleName(accessibleText(sign));
    setToolTip(accessibleText(sign));
}

QString SignButton::caption(const signs::Sign& sign)
{
    return sign.role.empty() ? QString::number(sign.value)
                             : QCoreApplication::translate(rowtext::kWordsContext, sign.role.c_str());
}

QString SignButton::accessibleText(const signs::Sign& sign)
{
    return QString::fromStdString(sign.text) + QLatin1Char(' ') + caption(sign);
}

QSize SignButton::sizeHint() const
{
    const QSize piece = pieceSize_;
    const int captionWidth = fontMetrics().horizontalAdvance(text());
    return QSize(std::max(piece.width(), captionWidth) + 2 * kPadding,
                 piece.height() + fontMetrics().height() + 2 * kPadding);
}

// The button's frame without its text, the sign over the caption.
void SignButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    style()->drawControl(QStyle::CE_PushButton, &option, &painter, this);
    painter.setPen(palette().color(QPalette::ButtonText));
    const QRect inside = rect().adjusted(kPadding, kPadding, -kPadding, -kPadding);
    const int signHeight = drawing_->lineHeight();
    drawing_->draw(painter, QRect(inside.left(), inside.top(), inside.width(), signHeight), piece_,
                   pieceSize_);
    painter.drawText(
        QRect(inside.left(), inside.top() + signHeight, inside.width(), inside.height() - signHeight),
        Qt::AlignHCenter | Qt::AlignTop, text());
}

void SignButton::keyPressEvent(QKeyEvent* event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && !event->isAutoRepeat()) {
        animateClick();
        return;
    }
    QPushButton::keyPressEvent(event);
}
