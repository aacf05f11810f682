#pragma once

#include "entry/EnteredNumber.h"

#include <QObject>

#include <cstdint>

class QLineEdit;

// What the number field's current text stands for, recognised once for each
// text the field holds however often the refresh and the repaints ask.
class FieldNumber : public QObject {
    Q_OBJECT
public:
    // Watches the field; owned by it.
    static FieldNumber* attachTo(QLineEdit* field);
    // The one attached to the field, or nullptr.
    static FieldNumber* of(const QLineEdit* field);

    const EnteredNumber& current();
    // The last number in 0..79999 the field's text stood for: the number the
    // rows show, and keep while the text is no numeral.
    int lastShown() const { return lastShown_; }
    // Where the spin button steps from: the text's number, or lastShown()
    // for a text that is no numeral.
    std::int64_t stepBase();

private:
    explicit FieldNumber(QLineEdit* field);

    QLineEdit* field_;
    QString text_;  // the text entered_ stands for; at first the empty text
    EnteredNumber entered_;
    int lastShown_ = 0;
};
