#include "entry/RecognisedNumbers.h"

#include "entry/NumberParser.h"
#include "rows/RowTable.h"

#include "numerals/recognise/Recognise.h"

#include <QCoreApplication>

#include <algorithm>
#include <tuple>

namespace {

bool IsHexadecimal(QStringView text)
{
    return text.contains(u'$') || text.contains(u'x') || text.contains(u'X');
}

// Where a numeral stands in the window's order: own forms before the
// others, then by row, decimal digits no row writes last.
std::tuple<bool, std::ptrdiff_t, long long> PlaceOf(const recognise::Numeral& numeral)
{
    const RowSpec* row = numeral.cell.empty() ? nullptr : FindRow(numeral.cell.c_str());
    const std::ptrdiff_t index =
        row == nullptr ? std::ptrdiff_t(RowsInDisplayOrder().size()) : row - RowsInDisplayOrder().data();
    return {!numeral.ownForm, index, numeral.number};
}

// The row's caption ("Braille digits" for its digits without its mark),
// or that of decimal digits no row writes.
QString CaptionOf(const RowSpec* row, const recognise::Numeral& numeral)
{
    if (row == nullptr)
        return DecimalDigitsCaption();
    const QString caption = QString::fromUtf8(row->caption);
    return numeral.withoutMark ? caption + QStringLiteral(" digits") : caption;
}

}  // namespace

std::vector<RecognisedNumber> RecognisedNumbers(QStringView text)
{
    if (const std::optional<std::int32_t> parsed = ParseNumber(text))
        return {{*parsed,
                 IsHexadecimal(text) ? QStringLiteral(QT_TRANSLATE_NOOP("RowCaption", "Hexadecimal"))
                                     : DecimalDigitsCaption(),
                 text.toString()}};
    std::vector<recognise::Numeral> numerals =
        recognise::Recognise(std::u16string_view(text.utf16(), std::size_t(text.size())));
    std::sort(numerals.begin(), numerals.end(), [](const recognise::Numeral& a, const recognise::Numeral& b) {
        return PlaceOf(a) < PlaceOf(b);
    });
    std::vector<RecognisedNumber> numbers;
    for (const recognise::Numeral& numeral : numerals) {
        const RowSpec* row = numeral.cell.empty() ? nullptr : FindRow(numeral.cell.c_str());
        if (row == nullptr && !numeral.cell.empty())
            continue;  // a row of the text layer the window does not show
        numbers.push_back({numeral.number, CaptionOf(row, numeral), QString::number(numeral.number)});
    }
    return numbers;
}

std::vector<RecognisedNumber> NumbersInRange(std::vector<RecognisedNumber> numbers)
{
    numbers.erase(std::remove_if(numbers.begin(), numbers.end(),
                                 [](const RecognisedNumber& r) { return !IsInRange(r.number); }),
                  numbers.end());
    return numbers;
}

QString DecimalDigitsCaption()
{
    return QStringLiteral(QT_TRANSLATE_NOOP("RowCaption", "Decimal digits"));
}

QString NoNumeralMessage()
{
    return QCoreApplication::translate("RecognisedNumbers", "No number this program can read");
}
