#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class PictureHolder;
class SpinButton;

// The grey bar at the bottom of the window: the number field, its spin
// button, the message line and the hidden picture holders.
class BottomBar : public QWidget {
    Q_OBJECT
public:
    explicit BottomBar(QWidget* parent = nullptr);

    static constexpr int kHeight = 41;

    QLineEdit* numberField() const { return ze1_; }
    SpinButton* spinButton() const { return spinButton1_; }
    QLabel* messageLine() const { return l3_; }
    PictureHolder* pictureHolder() const { return zI2_; }

    // Sets the message line; it sizes itself to its text.
    void setMessage(const QString& text);

private:
    QLabel* l1_;
    QLineEdit* ze1_;
    SpinButton* spinButton1_;
    QLabel* l3_;
    PictureHolder* zI2_;
    PictureHolder* zI1_;
};
