#pragma once

#include <QString>
#include <QStringView>

#include <cstdint>
#include <optional>

// Reading the number field. A valid text is, after leading blanks (code 32
// only): a sign followed by decimal digits; a hexadecimal prefix ("$", "x",
// "X", "0x" or "0X") followed by at most eight digits' worth of hexadecimal
// digits, taken as a 32-bit signed value; or plain decimal digits. Decimal
// values must fit a 32-bit signed integer. Nothing may follow the digits.

std::optional<std::int32_t> ParseNumber(QStringView text);

// The number of a text, or 0 when the text is not a valid number.
std::int32_t ReadNumber(QStringView text);

constexpr std::int32_t kLargestNumber = 79999;
constexpr std::int32_t kNumberLimit = 80000;  // the bound the message names

constexpr bool IsInRange(std::int64_t n)
{
    return n >= 0 && n <= kLargestNumber;
}

// The message line's text for a valid number outside 0..kLargestNumber, as
// the text rows report it, and as the picture rows have always said it.
QString OutOfRangeMessage();
QString PictureOutOfRangeMessage();
