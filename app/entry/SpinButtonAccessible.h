#pragma once

#include <QAccessibleWidget>

class QLineEdit;

// The spin button as a spin control: named, with the number of the field
// beside it as its value, and increase and decrease actions that click its
// halves.
class SpinButtonAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit SpinButtonAccessible(QWidget* widget);

    QString text(QAccessible::Text t) const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString& actionName) const override;

    QVariant currentValue() const override;
    void setCurrentValue(const QVariant& value) override;
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override { return 1; }

private:
    QLineEdit* numberField() const;
};
