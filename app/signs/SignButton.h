#pragma once

#include "signs/SignBySign.h"

#include <QPushButton>

#include <memory>

class SignDrawing;

// A sign of the row's sign table as a button: the sign drawn in the row's
// signs over its value (or its role). Its name for a screen reader is the
// sign's text (or the row's description of it) and its value: "𓆼 1000",
// "Semaphore flag A 1". Space and Enter press it.
class SignButton : public QPushButton {
    Q_OBJECT
public:
    SignButton(std::shared_ptr<const SignDrawing> drawing, const signs::Sign& sign,
               QWidget* parent = nullptr);

    // What stands under the sign: its value, or its role.
    static QString caption(const signs::Sign& sign);
    static QString accessibleText(const signs::Sign& sign);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::shared_ptr<const SignDrawing> drawing_;
    signs::Piece piece_;
    QSize pieceSize_;
};
