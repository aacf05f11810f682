#include "entry/NumberInput.h"

#include "entry/NumberParser.h"

#include <QList>

#include <algorithm>

namespace {

bool IsGroupingBlank(QChar c)
{
    return c == u' ' || c == u'\u00A0' || c == u'\u2009' || c == u'\u202F';
}

bool IsAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

}  // namespace

QString WithAsciiDigits(QStringView text)
{
    QString result;
    result.reserve(text.size());
    for (const char32_t c : text.toUcs4()) {
        if (QChar::isDigit(c))
            result.append(QChar(u'0' + QChar::digitValue(c)));
        else
            result.append(QChar::fromUcs4(c));
    }
    return result;
}

QString CleanPastedNumber(QStringView text)
{
    const QString digits = WithAsciiDigits(text.trimmed());
    QString result;
    result.reserve(digits.size());
    for (qsizetype i = 0; i < digits.size(); ++i) {
        if (IsGroupingBlank(digits[i]) && !result.isEmpty() && IsAsciiDigit(result.back())) {
            qsizetype next = i;
            while (next < digits.size() && IsGroupingBlank(digits[next]))
                ++next;
            if (next < digits.size() && IsAsciiDigit(digits[next])) {
                i = next - 1;  // the blanks between two digits go
                continue;
            }
        }
        result.append(digits[i]);
    }
    return result;
}

QString PastedText(QStringView pasted, QStringView before, QStringView after)
{
    const QString cleaned = CleanPastedNumber(pasted);
    if (ParseNumber(before.toString() + cleaned + after.toString()))
        return cleaned;
    return pasted.trimmed().toString();
}

QString TypedText(QStringView text)
{
    const QString ascii = WithAsciiDigits(text);
    return ParseNumber(ascii) ? ascii : text.toString();
}

std::int64_t SteppedNumber(std::int64_t n, int delta)
{
    if (delta >= 0)
        return std::min<std::int64_t>(n + delta, kLargestNumber);
    return std::max<std::int64_t>(n + delta, 0);
}
