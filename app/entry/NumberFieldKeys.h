#pragma once

#include <QObject>

class QLineEdit;

// Stepping the number from the number field itself: Up and Down step by one
// as the spin button's halves do, Page Up and Page Down by ten, and the
// mouse wheel over the field by one per notch.
class NumberFieldKeys : public QObject {
    Q_OBJECT
public:
    // Watches the field's events; owned by the field.
    static NumberFieldKeys* attachTo(QLineEdit* field);

    static constexpr int kPageStep = 10;

signals:
    void stepRequested(int delta);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit NumberFieldKeys(QLineEdit* field);
    bool wheelSteps(int angleDelta);

    QLineEdit* field_;
    int pendingWheel_ = 0;  // eighths of a degree short of a notch
};
