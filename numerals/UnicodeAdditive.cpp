#include "UnicodeAdditive.h"

#include <array>

namespace {

// AEGEAN NUMBER ONE, TEN, ONE HUNDRED, ONE THOUSAND, TEN THOUSAND by place,
// ten-thousands first; the sign for d in a place is its ONE + d - 1.
constexpr std::array<char32_t, 5> kAegeanOnes{0x1012B, 0x10122, 0x10119, 0x10110, 0x10107};

constexpr char32_t kKharoshthiOne = 0x10A40;  // ONE..FOUR follow it
constexpr char32_t kKharoshthiFour = 0x10A43;
constexpr char32_t kKharoshthiTen = 0x10A44;
constexpr char32_t kKharoshthiTwenty = 0x10A45;
constexpr char32_t kKharoshthiHundred = 0x10A46;
constexpr char32_t kKharoshthiThousand = 0x10A47;

constexpr char32_t kBrahmiOne = 0x11052;  // ONE..NINE follow it
constexpr char32_t kBrahmiTen = 0x1105B;  // TEN..NINETY follow it
constexpr char32_t kBrahmiHundred = 0x11064;
constexpr char32_t kBrahmiThousand = 0x11065;
constexpr char32_t kBrahmiJoiner = 0x1107F;

// 1..9 as fours and a last 1, 2 or 3 (9 = 4 4 1).
void AppendKharoshthiUnits(std::string& text, int u)
{
    for (; u >= 4; u -= 4)
        AppendCodePoint(text, kKharoshthiFour);
    if (u > 0)
        AppendCodePoint(text, kKharoshthiOne + static_cast<char32_t>(u - 1));
}

// 1..9 tens as twenties and a last ten (90 = 20 20 20 20 10).
void AppendKharoshthiTens(std::string& text, int t)
{
    for (int i = 0; i < t / 2; ++i)
        AppendCodePoint(text, kKharoshthiTwenty);
    if (t % 2 == 1)
        AppendCodePoint(text, kKharoshthiTen);
}

// 100 or 1000 times the sign after it; times one is the power sign alone.
void AppendBrahmiPower(std::string& text, char32_t power, char32_t multiplier)
{
    AppendCodePoint(text, power);
    if (multiplier != kBrahmiOne)
        AppendCodePoints(text, {kBrahmiJoiner, multiplier});
}

}  // namespace

UnicodeNumeral AegeanNumeral(int n)
{
    if (n <= 0)
        return NoForm();
    UnicodeNumeral numeral;
    int power = 10000;
    for (char32_t one : kAegeanOnes) {
        if (const int d = n / power % 10; d > 0)
            AppendCodePoint(numeral.text, one + static_cast<char32_t>(d - 1));
        power /= 10;
    }
    return numeral;
}

UnicodeNumeral KharoshthiNumeral(int n)
{
    if (n <= 0)
        return NoForm();
    UnicodeNumeral numeral;
    std::string& text = numeral.text;
    if (const int thousands = n / 1000; thousands > 0) {
        AppendKharoshthiTens(text, thousands / 10);
        AppendKharoshthiUnits(text, thousands % 10);
        AppendCodePoint(text, kKharoshthiThousand);
    }
    if (const int hundreds = n / 100 % 10; hundreds > 0) {
        AppendKharoshthiUnits(text, hundreds);
        AppendCodePoint(text, kKharoshthiHundred);
    }
    AppendKharoshthiTens(text, n / 10 % 10);
    AppendKharoshthiUnits(text, n % 10);
    return numeral;
}

UnicodeNumeral BrahmiAdditiveNumeral(int n)
{
    if (n <= 0)
        return NoForm();
    UnicodeNumeral numeral;
    std::string& text = numeral.text;
    const auto sign = [](char32_t first, int d) { return first + static_cast<char32_t>(d - 1); };
    if (const int tens = n / 10000; tens > 0)
        AppendBrahmiPower(text, kBrahmiThousand, sign(kBrahmiTen, tens));
    if (const int units = n / 1000 % 10; units > 0)
        AppendBrahmiPower(text, kBrahmiThousand, sign(kBrahmiOne, units));
    if (const int hundreds = n / 100 % 10; hundreds > 0)
        AppendBrahmiPower(text, kBrahmiHundred, sign(kBrahmiOne, hundreds));
    if (const int tens = n / 10 % 10; tens > 0)
        AppendCodePoint(text, sign(kBrahmiTen, tens));
    if (const int units = n % 10; units > 0)
        AppendCodePoint(text, sign(kBrahmiOne, units));
    return numeral;
}
