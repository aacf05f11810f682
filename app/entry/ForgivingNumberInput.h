#pragma once

#include <QClipboard>
#include <QValidator>

class QLineEdit;

// The number field's forgiving input. As the field's validator it turns the
// decimal digits of any script into ASCII digits, whether typed, pasted or
// set, where the parser then reads the text as a number (a numeral of
// another system keeps its signs as typed); it accepts every text, so what
// the field does with a text is unchanged. As an event filter on the field
// it cleans what is pasted (the paste key, the middle button's selection and
// the context menu's Paste): white space around the text goes, and blanks
// grouping digits go where the field then holds a number.
class ForgivingNumberInput : public QValidator {
    Q_OBJECT
public:
    // Installs a new one on the field, owned by the field.
    static ForgivingNumberInput* attachTo(QLineEdit* field);

    State validate(QString& input, int& position) const override;

    // Inserts the clipboard's text, cleaned, as a paste would.
    void paste(QClipboard::Mode mode);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit ForgivingNumberInput(QLineEdit* field);
    bool showContextMenu(const QPoint& globalPosition);

    QLineEdit* field_;
};
