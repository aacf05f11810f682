#pragma once

#include "signs/SignBySign.h"

#include <QLabel>

#include <memory>

class SignDrawing;

// A piece of a numeral drawn in the row's own signs, centred. It is a label
// for a screen reader, named by what it says as text (a group's text and
// value, the numeral's text), while it draws the signs themselves.
class PieceView : public QLabel {
    Q_OBJECT
public:
    PieceView(std::shared_ptr<const SignDrawing> drawing, QWidget* parent = nullptr);

    void setPiece(const signs::Piece& piece, const QString& accessibleText);
    const signs::Piece& piece() const { return piece_; }

    QSize sizeHint() const override { return size_; }
    QSize minimumSizeHint() const override { return size_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::shared_ptr<const SignDrawing> drawing_;
    signs::Piece piece_;
    QSize size_;
};
