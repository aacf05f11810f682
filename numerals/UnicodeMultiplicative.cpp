#include "UnicodeMultiplicative.h"

#include <array>

namespace {

// Whether a digit 1 is written before the sign for ten.
enum class OneBeforeTen { Always, InsideOnly, Never };

// The signs of a numeral on the Chinese model: digit d times a power
// (千 百 十), and the count of myriads before 万.
struct MyriadSystem {
    std::array<char32_t, 10> digits;  // [0]: the zero sign, 0 where there is none
    std::array<char32_t, 3> powers;   // 1000, 100, 10
    char32_t myriad;
    OneBeforeTen oneBeforeTen;
    bool zeroForGaps;  // one zero sign for a run of empty places inside the number
};

// 零 壹 贰 叁 肆 伍 陆 柒 捌 玖; 仟 佰 拾; 万
constexpr MyriadSystem kChineseFinancial{
    {0x96F6, 0x58F9, 0x8D30, 0x53C1, 0x8086, 0x4F0D, 0x9646, 0x67D2, 0x634C, 0x7396},
    {0x4EDF, 0x4F70, 0x62FE},
    0x4E07,
    OneBeforeTen::Always,
    true};
// 零 一 二 三 四 五 六 七 八 九; 千 百 十; 万
constexpr MyriadSystem kChinese{
    {0x96F6, 0x4E00, 0x4E8C, 0x4E09, 0x56DB, 0x4E94, 0x516D, 0x4E03, 0x516B, 0x4E5D},
    {0x5343, 0x767E, 0x5341},
    0x4E07,
    OneBeforeTen::InsideOnly,
    true};
// 零 壹 貳 參 肆 伍 陸 柒 捌 玖; 仟 佰 拾; 萬
constexpr MyriadSystem kTraditionalFinancial{
    {0x96F6, 0x58F9, 0x8CB3, 0x53C3, 0x8086, 0x4F0D, 0x9678, 0x67D2, 0x634C, 0x7396},
    {0x4EDF, 0x4F70, 0x62FE},
    0x842C,
    OneBeforeTen::Always,
    true};
// 零 壱 弐 参 四 伍 六 七 八 九; 千 百 拾; 萬
constexpr MyriadSystem kDaiji{
    {0x96F6, 0x58F1, 0x5F10, 0x53C2, 0x56DB, 0x4F0D, 0x516D, 0x4E03, 0x516B, 0x4E5D},
    {0x5343, 0x767E, 0x62FE},
    0x842C,
    OneBeforeTen::Always,
    false};
// Tangut 1..9; 1000, 100, 10; 10000. No zero.
constexpr MyriadSystem kTangut{
    {0, 0x18229, 0x1736B, 0x18555, 0x17943, 0x173C1, 0x17901, 0x174B9, 0x1824B, 0x178AD},
    {0x1785E, 0x1829D, 0x17C17},
    0x17551,
    OneBeforeTen::Never,
    false};

// Signs for 10, 100 and 1000 after a digit above one (Tamil, Malayalam).
struct PowerSigns {
    char32_t zero;  // digits zero..zero + 9
    char32_t ten;
    char32_t hundred;
    char32_t thousand;
};
constexpr PowerSigns kTamil{0x0BE6, 0x0BF0, 0x0BF1, 0x0BF2};
constexpr PowerSigns kMalayalam{0x0D66, 0x0D70, 0x0D71, 0x0D72};

constexpr char32_t kSinhalaOne = 0x111E1;  // SINHALA ARCHAIC DIGIT ONE..NINE
constexpr char32_t kSinhalaTen = 0x111EA;  // SINHALA ARCHAIC NUMBER TEN..NINETY
constexpr char32_t kSinhalaHundred = 0x111F3;
constexpr char32_t kSinhalaThousand = 0x111F4;

constexpr char32_t kMendeOne = 0x1E8C7;  // MENDE KIKAKUI DIGIT ONE..NINE
constexpr char32_t kMendeTeens = 0x1E8D0;
// COMBINING NUMBER TENS, HUNDREDS, THOUSANDS, TEN THOUSANDS by place from the tens.
constexpr std::array<char32_t, 4> kMendePowers{0x1E8D1, 0x1E8D2, 0x1E8D3, 0x1E8D4};

// 1..9999 without leading zeros. `leading`: nothing stands before it.
void AppendBelowMyriad(std::string& text, int r, const MyriadSystem& s, bool leading)
{
    bool started = false;
    bool gap = false;
    int power = 1000;
    for (std::size_t place = 0; place <= s.powers.size(); ++place, power /= 10) {
        const int d = r / power % 10;
        if (d == 0) {
            gap = started;
            continue;
        }
        if (gap && s.zeroForGaps)
            AppendCodePoint(text, s.digits[0]);
        const bool ten = power == 10;
        const bool bareTen = ten && d == 1
            && (s.oneBeforeTen == OneBeforeTen::Never
                || (s.oneBeforeTen == OneBeforeTen::InsideOnly && leading && !started));
        if (!bareTen)
            AppendCodePoint(text, s.digits[static_cast<std::size_t>(d)]);
        if (place < s.powers.size())
            AppendCodePoint(text, s.powers[place]);
        started = true;
        gap = false;
    }
}

UnicodeNumeral MyriadNumeral(int n, const MyriadSystem& s)
{
    UnicodeNumeral numeral;
    std::string& text = numeral.text;
    if (n == 0) {
        if (s.digits[0] == 0)
            return NoForm();
        AppendCodePoint(text, s.digits[0]);
        return numeral;
    }
    const int myriads = n / 10000;
    const int rest = n % 10000;
    if (myriads > 0) {
        AppendCodePoints(text, {s.digits[static_cast<std::size_t>(myriads)], s.myriad});
        if (rest > 0 && rest < 1000 && s.zeroForGaps)
            AppendCodePoint(text, s.digits[0]);
    }
    AppendBelowMyriad(text, rest, s, myriads == 0);
    return numeral;
}

// 1..999: a digit above one before the hundred and the ten, the units digit alone.
void AppendBelowThousand(std::string& text, int r, const PowerSigns& s)
{
    const int hundreds = r / 100;
    const int tens = r / 10 % 10;
    const int units = r % 10;
    if (hundreds > 1)
        AppendCodePoint(text, s.zero + static_cast<char32_t>(hundreds));
    if (hundreds > 0)
        AppendCodePoint(text, s.hundred);
    if (tens > 1)
        AppendCodePoint(text, s.zero + static_cast<char32_t>(tens));
    if (tens > 0)
        AppendCodePoint(text, s.ten);
    if (units > 0)
        AppendCodePoint(text, s.zero + static_cast<char32_t>(units));
}

// The count of thousands is written like a number below a thousand (10000 = ௰௲).
UnicodeNumeral PowerSignNumeral(int n, const PowerSigns& s)
{
    UnicodeNumeral numeral;
    std::string& text = numeral.text;
    if (const int thousands = n / 1000; thousands > 0) {
        if (thousands > 1)
            AppendBelowThousand(text, thousands, s);
        AppendCodePoint(text, s.thousand);
    }
    AppendBelowThousand(text, n % 1000, s);
    return numeral;
}

// 1..999 in Sinhala archaic signs: the tens have signs of their own, so
// only the hundred takes a digit before it (above one).
void AppendSinhalaBelowThousand(std::string& text, int r)
{
    const int hundreds = r / 100;
    if (hundreds > 1)
        AppendCodePoint(text, kSinhalaOne + static_cast<char32_t>(hundreds - 1));
    if (hundreds > 0)
        AppendCodePoint(text, kSinhalaHundred);
    if (const int tens = r / 10 % 10; tens > 0)
        AppendCodePoint(text, kSinhalaTen + static_cast<char32_t>(tens - 1));
    if (const int units = r % 10; units > 0)
        AppendCodePoint(text, kSinhalaOne + static_cast<char32_t>(units - 1));
}

}  // namespace

UnicodeNumeral ChineseFinancialNumeral(int n)
{
    return MyriadNumeral(n, kChineseFinancial);
}

UnicodeNumeral ChineseNumeral(int n)
{
    return MyriadNumeral(n, kChinese);
}

UnicodeNumeral TraditionalFinancialNumeral(int n)
{
    return MyriadNumeral(n, kTraditionalFinancial);
}

UnicodeNumeral DaijiNumeral(int n)
{
    return MyriadNumeral(n, kDaiji);
}

UnicodeNumeral TangutNumeral(int n)
{
    return MyriadNumeral(n, kTangut);
}

UnicodeNumeral TamilTraditionalNumeral(int n)
{
    if (n == 0) {
        UnicodeNumeral zero;
        AppendCodePoint(zero.text, kTamil.zero);
        return zero;
    }
    return PowerSignNumeral(n, kTamil);
}

UnicodeNumeral MalayalamTraditionalNumeral(int n)
{
    return n <= 0 ? NoForm() : PowerSignNumeral(n, kMalayalam);
}

UnicodeNumeral SinhalaArchaicNumeral(int n)
{
    if (n <= 0)
        return NoForm();
    UnicodeNumeral numeral;
    if (const int thousands = n / 1000; thousands > 0) {
        if (thousands > 1)
            AppendSinhalaBelowThousand(numeral.text, thousands);
        AppendCodePoint(numeral.text, kSinhalaThousand);
    }
    AppendSinhalaBelowThousand(numeral.text, n % 1000);
    return numeral;
}

UnicodeNumeral MendeNumeral(int n)
{
    if (n <= 0)
        return NoForm();
    UnicodeNumeral numeral;
    std::string& text = numeral.text;
    const auto digit = [](int d) { return kMendeOne + static_cast<char32_t>(d - 1); };
    int power = 10000;
    for (std::size_t place = kMendePowers.size(); place > 1; --place, power /= 10) {
        if (const int d = n / power % 10; d > 0)
            AppendCodePoints(text, {digit(d), kMendePowers[place - 1]});
    }
    const int lastTwo = n % 100;
    if (lastTwo > 10 && lastTwo < 20) {
        AppendCodePoints(text, {digit(lastTwo - 10), kMendeTeens});
        return numeral;
    }
    if (const int tens = lastTwo / 10; tens > 0)
        AppendCodePoints(text, {digit(tens), kMendePowers[0]});
    if (const int units = lastTwo % 10; units > 0)
        AppendCodePoint(text, digit(units));
    return numeral;
}
