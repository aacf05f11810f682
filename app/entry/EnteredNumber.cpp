#include "entry/EnteredNumber.h"

#include "entry/NumberParser.h"
#include "entry/RecognisedNumbers.h"

#include <vector>

namespace {

// "Roman numeral: 1994", "Decimal digits: 12", "Braille digits: 1994".
QString FirstNumberSaid(const RecognisedNumber& r)
{
    const QString name =
        r.caption.endsWith(QStringLiteral(" digits")) ? r.caption : r.caption + QStringLiteral(" numeral");
    return name + QStringLiteral(": ") + QString::number(r.number);
}

// The first number, then the others: "Ancient Greek numeral: 1000; also
// Attic: 1000, Ionic: 600".
QString NumbersSaid(const std::vector<RecognisedNumber>& numbers)
{
    QString said = FirstNumberSaid(numbers.front());
    for (std::size_t i = 1; i < numbers.size(); ++i) {
        said += i == 1 ? QStringLiteral("; also ") : QStringLiteral(", ");
        said += numbers[i].caption + QStringLiteral(": ") + QString::number(numbers[i].number);
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
