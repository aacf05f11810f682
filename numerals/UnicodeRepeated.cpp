#include "UnicodeRepeated.h"

#include <array>

namespace {

constexpr char32_t kTallyOne = 0x1D377;
constexpr char32_t kTallyFive = 0x1D378;
constexpr char32_t kZhengOne = 0x1D372;  // IDEOGRAPHIC TALLY MARK ONE..FOUR follow it
constexpr char32_t kZhengFive = 0x1D376;

struct RomanPart {
    int value;
    const char32_t* signs;
};
constexpr std::array<RomanPart, 19> kRomanParts{{
    {50000, U"\u2187"}, {40000, U"\u2182\u2187"},
    {10000, U"\u2182"}, {9000, U"\u2180\u2182"},
    {5000, U"\u2181"},  {4000, U"\u2180\u2181"},
    {1000, U"\u2180"},  {900, U"C\u2180"},
    {500, U"D"},        {400, U"CD"},
    {100, U"C"},        {90, U"XC"},
    {50, U"L"},         {40, U"XL"},
    {10, U"X"},         {9, U"IX"},
    {5, U"V"},          {4, U"IV"},
    {1, U"I"},
}};

// n fives then the sign for the rest; nothing shown above the largest tally.
UnicodeNumeral Tally(int n, char32_t five, char32_t restSign, bool repeatRest)
{
    if (n <= 0)
        return NoForm();
    UnicodeNumeral numeral;
    if (n > kLargestTally)
        return numeral;
    for (int i = 0; i < n / 5; ++i)
        AppendCodePoint(numeral.text, five);
    const int rest = n % 5;
    for (int i = 0; i < (repeatRest ? rest : rest > 0 ? 1 : 0); ++i)
        AppendCodePoint(numeral.text, repeatRest ? restSign : restSign + static_cast<char32_t>(rest - 1));
    return numeral;
}

}  // namespace

UnicodeNumeral TallyNumeral(int n)
{
    return Tally(n, kTallyFive, kTallyOne, true);
}

UnicodeNumeral ZhengTallyNumeral(int n)
{
    return Tally(n, kZhengFive, kZhengOne, false);
}

UnicodeNumeral RomanApostrophusNumeral(int n)
{
    if (n <= 0)
        return NoForm();
    UnicodeNumeral numeral;
    int rest = n;
    for (const RomanPart& part : kRomanParts) {
        for (; rest >= part.value; rest -= part.value)
            AppendCodePoints(numeral.text, std::u32string(part.signs));
    }
    return numeral;
}
