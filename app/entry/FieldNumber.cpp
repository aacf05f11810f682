#include "entry/FieldNumber.h"

#include "entry/NumberParser.h"

#include <QLineEdit>

FieldNumber::FieldNumber(QLineEdit* field) : QObject(field), field_(field) { }

FieldNumber* FieldNumber::attachTo(QLineEdit* field)
{
    return new FieldNumber(field);
}

FieldNumber* FieldNumber::of(const QLineEdit* field)
{
    return field ? field->findChild<FieldNumber*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}

const EnteredNumber& FieldNumber::current()
{
    const QString text = field_->text();
    if (text != text_) {
        text_ = text;
        entered_ = EnteredNumberOf(text);
        if (entered_.kind == EnteredNumber::Kind::Number && IsInRange(entered_.number))
            lastShown_ = int(entered_.number);
    }
    return entered_;
}

std::int64_t FieldNumber::stepBase()
{
    const EnteredNumber& entered = current();
    return entered.kind == EnteredNumber::Kind::NoNumeral ? lastShown_ : entered.number;
}
