#include "entry/SpinButtonAccessible.h"

#include "entry/FieldNumber.h"
#include "entry/NumberParser.h"
#include "entry/SpinButton.h"

#include <QCoreApplication>
#include <QKeySequence>
#include <QLineEdit>

SpinButtonAccessible::SpinButtonAccessible(QWidget* widget) : QAccessibleWidget(widget, QAccessible::SpinBox)
{ }

QString SpinButtonAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
        return QCoreApplication::translate("SpinButtonAccessible", "Step number");
    if (t == QAccessible::Value)
        return numberField() ? numberField()->text() : QString();
    return QAccessibleWidget::text(t);
}

void* SpinButtonAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::ValueInterface)
        return static_cast<QAccessibleValueInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QStringList SpinButtonAccessible::actionNames() const
{
    return QStringList{increaseAction(), decreaseAction()} + QAccessibleWidget::actionNames();
}

void SpinButtonAccessible::doAction(const QString& actionName)
{
    auto* button = static_cast<SpinButton*>(widget());
    if (actionName == increaseAction())
        emit button->upClicked();
    else if (actionName == decreaseAction())
        emit button->downClicked();
    else
        QAccessibleWidget::doAction(actionName);
}

QStringList SpinButtonAccessible::keyBindingsForAction(const QString& actionName) const
{
    if (actionName == increaseAction())
        return {QKeySequence(Qt::Key_Up).toString(QKeySequence::NativeText)};
    if (actionName == decreaseAction())
        return {QKeySequence(Qt::Key_Down).toString(QKeySequence::NativeText)};
    return QAccessibleWidget::keyBindingsForAction(actionName);
}

// The field beside the button holds the number it steps.
QLineEdit* SpinButtonAccessible::numberField() const
{
    return widget()->parentWidget() ? widget()->parentWidget()->findChild<QLineEdit*>(QStringLiteral("ze1"))
                                    : nullptr;
}

QVariant SpinButtonAccessible::currentValue() const
{
    FieldNumber* number = FieldNumber::of(numberField());
    return number ? qlonglong(number->stepBase()) : 0;
}

void SpinButtonAccessible::setCurrentValue(const QVariant& value)
{
    if (QLineEdit* field = numberField())
        field->setText(QString::number(value.toInt()));
}

QVariant SpinButtonAccessible::maximumValue() const
{
    return kLargestNumber;
}
QVariant SpinButtonAccessible::minimumValue() const
{
    return 0;
}
