#include "entry/NumberParser.h"

#include <QCoreApplication>

namespace {

int DecimalDigit(QChar c)
{
    return (c >= u'0' && c <= u'9') ? c.unicode() - u'0' : -1;
}

int HexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

// One or more decimal digits and nothing else, within the 32-bit range once
// the sign is applied.
std::optional<std::int32_t> ParseDecimal(QStringView digits, bool negative)
{
    if (digits.isEmpty())
        return std::nullopt;
    const std::int64_t limit = negative ? 2147483648LL : 2147483647LL;
    std::int64_t value = 0;
    for (QChar c : digits) {
        const int d = DecimalDigit(c);
        if (d < 0)
            return std::nullopt;
        value = value * 10 + d;
        if (value > limit)
            return std::nullopt;
    }
    return static_cast<std::int32_t>(negative ? -value : value);
}

// One or more hexadecimal digits and nothing else. The value before each new
// digit may not exceed 0x0FFFFFFF, so the result fits 32 bits; it is taken
// as a signed number ($FFFFFFFF is -1).
std::optional<std::int32_t> ParseHexadecimal(QStringView digits)
{
    if (digits.isEmpty())
        return std::nullopt;
    std::uint32_t value = 0;
    for (QChar c : digits) {
        const int d = HexDigit(c);
        if (d < 0 || value > 0x0FFFFFFFu)
            return std::nullopt;
        value = value * 16 + static_cast<std::uint32_t>(d);
    }
    return static_cast<std::int32_t>(value);
}

bool IsHexPrefixLetter(QChar c)
{
    return c == u'x' || c == u'X';
}

}  // namespace

std::optional<std::int32_t> ParseNumber(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i] == u' ')
        ++i;
    const QStringView rest = text.mid(i);
    if (rest.isEmpty())
        return std::nullopt;
    const QChar first = rest[0];
    if (first == u'-' || first == u'+')
        return ParseDecimal(rest.mid(1), first == u'-');
    if (first == u'$' || IsHexPrefixLetter(first))
        return ParseHexadecimal(rest.mid(1));
    if (first == u'0' && rest.size() > 1 && IsHexPrefixLetter(rest[1]))
        return ParseHexadecimal(rest.mid(2));
    return ParseDecimal(rest, false);
}

std::int32_t ReadNumber(QStringView text)
{
    return ParseNumber(text).value_or(0);
}

QString OutOfRangeMessage()
{
    return QCoreApplication::translate("NumberParser", "Number must be greater than 0 and less than %1")
        .arg(kNumberLimit);
}

QString PictureOutOfRangeMessage()
{
    return QCoreApplication::translate("NumberParser", "Number must be greater than 0 und less than %1")
        .arg(kNumberLimit);
}
