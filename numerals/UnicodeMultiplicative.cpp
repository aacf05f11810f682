#include "UnicodeMultiplicative.h"

#include <array>

namespace {

// 零 壹 贰 叁 肆 伍 陆 柒 捌 玖
constexpr std::array<char32_t, 10> kFinancialDigits{0x96F6, 0x58F9, 0x8D30, 0x53C1, 0x8086,
                                                    0x4F0D, 0x9646, 0x67D2, 0x634C, 0x7396};
// 仟 佰 拾 and none for the units, thousands first.
constexpr std::array<char32_t, 4> kFinancialPowers{0x4EDF, 0x4F70, 0x62FE, 0};
constexpr char32_t kFinancialMyriad = 0x4E07;  // 万
constexpr char32_t kFinancialZero = kFinancialDigits[0];

constexpr char32_t kTamilZero = 0x0BE6;  // digits ௦..௯
constexpr char32_t kTamilTen = 0x0BF0;
constexpr char32_t kTamilHundred = 0x0BF1;
constexpr char32_t kTamilThousand = 0x0BF2;

// 1..9999 without leading zeros; empty places between digits give one 零.
void AppendFinancialBelowMyriad(std::string& text, int r)
{
    bool started = false;
    bool gap = false;
    int power = 1000;
    for (char32_t sign : kFinancialPowers) {
        const int d = r / power % 10;
        power /= 10;
        if (d == 0) {
            gap = started;
            continue;
        }
        if (gap)
            AppendCodePoint(text, kFinancialZero);
        AppendCodePoint(text, kFinancialDigits[static_cast<std::size_t>(d)]);
        if (sign != 0)
            AppendCodePoint(text, sign);
        started = true;
        gap = false;
    }
}

// 1..999: a digit above one before ௱ and ௰, the units digit alone.
void AppendTamilBelowThousand(std::string& text, int r)
{
    const int hundreds = r / 100;
    const int tens = r / 10 % 10;
    const int units = r % 10;
    if (hundreds > 1)
        AppendCodePoint(text, kTamilZero + static_cast<char32_t>(hundreds));
    if (hundreds > 0)
        AppendCodePoint(text, kTamilHundred);
    if (tens > 1)
        AppendCodePoint(text, kTamilZero + static_cast<char32_t>(tens));
    if (tens > 0)
        AppendCodePoint(text, kTamilTen);
    if (units > 0)
        AppendCodePoint(text, kTamilZero + static_cast<char32_t>(units));
}

}  // namespace

UnicodeNumeral ChineseFinancialNumeral(int n)
{
    UnicodeNumeral numeral;
    std::string& text = numeral.text;
    if (n == 0) {
        AppendCodePoint(text, kFinancialZero);
        return numeral;
    }
    const int myriads = n / 10000;
    const int rest = n % 10000;
    if (myriads > 0) {
        AppendCodePoints(text, {kFinancialDigits[static_cast<std::size_t>(myriads)], kFinancialMyriad});
        if (rest > 0 && rest < 1000)
            AppendCodePoint(text, kFinancialZero);
    }
    AppendFinancialBelowMyriad(text, rest);
    return numeral;
}

UnicodeNumeral TamilTraditionalNumeral(int n)
{
    UnicodeNumeral numeral;
    std::string& text = numeral.text;
    if (n == 0) {
        AppendCodePoint(text, kTamilZero);
        return numeral;
    }
    if (const int thousands = n / 1000; thousands > 0) {
        if (thousands > 1)
            AppendTamilBelowThousand(text, thousands);
        AppendCodePoint(text, kTamilThousand);
    }
    AppendTamilBelowThousand(text, n % 1000);
    return numeral;
}
