#include "UnicodeDigits.h"

#include <string>

namespace {

constexpr char32_t kRodUnitOne = 0x1D360;  // COUNTING ROD UNIT DIGIT ONE
constexpr char32_t kRodTensOne = 0x1D369;  // COUNTING ROD TENS DIGIT ONE
constexpr char32_t kIdeographicZero = 0x3007;

constexpr char32_t kChineseDigits[10] = {kIdeographicZero, 0x4E00, 0x4E8C, 0x4E09, 0x56DB,
                                         0x4E94,           0x516D, 0x4E03, 0x516B, 0x4E5D};
constexpr char32_t kHangzhouOne = 0x3021;                           // HANGZHOU NUMERAL ONE
constexpr char32_t kLyingOneToThree[3] = {0x4E00, 0x4E8C, 0x4E09};  // 一 二 三

}  // namespace

UnicodeNumeral DecimalDigits(int n, char32_t zero)
{
    UnicodeNumeral numeral;
    for (char c : std::to_string(n))
        AppendCodePoint(numeral.text, zero + static_cast<char32_t>(c - '0'));
    return numeral;
}

UnicodeNumeral ChineseDecimalNumeral(int n)
{
    UnicodeNumeral numeral;
    for (char c : std::to_string(n))
        AppendCodePoint(numeral.text, kChineseDigits[c - '0']);
    return numeral;
}

UnicodeNumeral SuzhouDigitNumeral(int n)
{
    UnicodeNumeral numeral;
    bool afterUpright = false;  // the digit before is an upright 〡, 〢 or 〣
    for (char c : std::to_string(n)) {
        const int d = c - '0';
        const bool oneToThree = d >= 1 && d <= 3;
        const bool lying = afterUpright && oneToThree;
        if (d == 0)
            AppendCodePoint(numeral.text, kIdeographicZero);
        else if (lying)
            AppendCodePoint(numeral.text, kLyingOneToThree[d - 1]);
        else
            AppendCodePoint(numeral.text, kHangzhouOne + static_cast<char32_t>(d - 1));
        afterUpright = oneToThree && !lying;
    }
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
