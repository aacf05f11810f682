#pragma once

#include <QWidget>

class FindField;
class QLabel;
class QLineEdit;
class PictureHolder;
class SpinButton;

// The grey bar at the bottom of the window: the number field, its spin
// button, the message line, the hidden picture holders and, at the right
// end, the field that finds a system.
class BottomBar : public QWidget {
    Q_OBJECT
public:
    explicit BottomBar(QWidget* parent = nullptr);

    static constexpr int kHeight = 41;
    static constexpr int kFindFieldLeft = 938;
    static constexpr int kFindFieldWidth = 150;

    QLineEdit* numberField() const { return ze1_; }
    SpinButton* spinButton() const { return spinButton1_; }
    QLabel* messageLine() const { return l3_; }
    PictureHolder* pictureHolder() const { return zI2_; }
    FindField* findField() const { return findField_; }

    // Sets the message line; it sizes itself to its text.
    void setMessage(const QString& text);

private:
    QLabel* l1_;
    QLineEdit* ze1_;
    SpinButton* spinButton1_;
    QLabel* l3_;
    PictureHolder* zI2_;
    PictureHolder* zI1_;
    QLabel* findLabel_;
    FindField* findField_;
};
