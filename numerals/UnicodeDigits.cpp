#include "UnicodeDigits.h"

#include <string>

namespace {

constexpr char32_t kRodUnitOne = 0x1D360;  // COUNTING ROD UNIT DIGIT ONE
constexpr char32_t kRodTensOne = 0x1D369;  // COUNTING ROD TENS DIGIT ONE
constexpr char32_t kIdeographicZero = 0x3007;

}  // namespace

UnicodeNumeral DecimalDigits(int n, char32_t zero)
{
    UnicodeNumeral numeral;
    for (char c : std::to_string(n))
        AppendCodePoint(numeral.text, zero + static_cast<char32_t>(c - '0'));
    return numeral;
}

UnicodeNumeral CountingRodNumeral(int n)
{
    const std::string digits = std::to_string(n);
    UnicodeNumeral numeral;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        const auto d = static_cast<char32_t>(digits[i] - '0');
        const bool unitForm = (digits.size() - 1 - i) % 2 == 0;  // places 1, 100, 10000
        AppendCodePoint(numeral.text,
                        d == 0 ? kIdeographicZero : (unitForm ? kRodUnitOne : kRodTensOne) + d - 1);
    }
    return numeral;
}

UnicodeNumeral VigesimalDigits(int n, char32_t zero)
{
    std::u32string digits;
    do {
        digits.insert(digits.begin(), zero + static_cast<char32_t>(n % 20));
        n /= 20;
    } while (n > 0);
    UnicodeNumeral numeral;
    AppendCodePoints(numeral.text, digits);
    return numeral;
}
