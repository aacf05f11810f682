#include "entry/EnteredNumber.h"

#include "entry/NumberParser.h"
#include "entry/RecognisedNumbers.h"

#include <QCoreApplication>

#include <vector>

namespace {

QString Tr(const char* text)
{
    return QCoreApplication::translate("EnteredNumber", text);
}

// The caption in the language installed (captions are marked in the row table).
QString CaptionShown(const QString& caption)
{
    return QCoreApplication::translate("RowCaption", caption.toUtf8().constData());
}

// "Roman numeral: 1994", "Decimal digits: 12", "Braille digits: 1994" (a
// row's digits without its mark are captioned "<row> digits").
QString FirstNumberSaid(const RecognisedNumber& r)
{
    const QString number = QString::number(r.number);
    if (r.caption == DecimalDigitsCaption())
        return Tr(QT_TRANSLATE_NOOP("EnteredNumber", "%1: %2")).arg(CaptionShown(r.caption), number);
    const QString digits = QStringLiteral(" digits");
    if (r.caption.endsWith(digits))
        return Tr(QT_TRANSLATE_NOOP("EnteredNumber", "%1 digits: %2"))
            .arg(CaptionShown(r.caption.chopped(digits.size())), number);
    return Tr(QT_TRANSLATE_NOOP("EnteredNumber", "%1 numeral: %2")).arg(CaptionShown(r.caption), number);
}

// The first number, then the others: "Ancient Greek numeral: 1000; also
// Attic: 1000, Ionic: 600".
QString NumbersSaid(const std::vector<RecognisedNumber>& numbers)
{
    QString said = FirstNumberSaid(numbers.front());
    for (std::size_t i = 1; i < numbers.size(); ++i) {
        said += Tr(i == 1 ? QT_TRANSLATE_NOOP("EnteredNumber", "; also %1: %2")
                          : QT_TRANSLATE_NOOP("EnteredNumber", ", %1: %2"))
                    .arg(CaptionShown(numbers[i].caption), QString::number(numbers[i].number));
    }
    return said;
}

}  // namespace

EnteredNumber EnteredNumberOf(QStringView text)
{
    if (text.isEmpty())
        return {};
    const std::vector<RecognisedNumber> numbers = RecognisedNumbers(text);
    if (numbers.empty())
        return {EnteredNumber::Kind::NoNumeral, 0, QString(), NoNumeralMessage()};
    const std::vector<RecognisedNumber> inRange = NumbersInRange(numbers);
    if (inRange.empty())
        return {EnteredNumber::Kind::Number, numbers.front().number, numbers.front().numberText, QString()};
    const RecognisedNumber& shown = inRange.front();
    return {EnteredNumber::Kind::Number, shown.number, shown.numberText,
            ParseNumber(text) ? QString() : NumbersSaid(inRange)};
}
