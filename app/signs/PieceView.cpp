#include "signs/PieceView.h"

#include "signs/SignDrawing.h"

#include <QPainter>

PieceView::PieceView(std::shared_ptr<const SignDrawing> drawing, QWidget* parent)
    : QLabel(parent), drawing_(std::move(drawing)), size_(drawing_->sizeOf({}))
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void PieceView::setPiece(const signs::Piece& piece, const QString& accessibleText)
{
    piece_ = piece;
    setAccessibleName(accessibleText);
    const QSize size = drawing_->sizeOf(piece_);
    if (size != size_) {
        size_ = size;
        updateGeometry();
    }
    update();
}

void PieceView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    drawing_->draw(painter, rect(), piece_, size_);
}
