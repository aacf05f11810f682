#include "UnicodeCiphered.h"

#include <array>

namespace {

// The signs for 1..9 of a place start at its first sign.
constexpr std::array<char32_t, 3> kCopticEpact{0x102E1, 0x102EA, 0x102F3};  // 1, 10, 100
constexpr char32_t kCopticEpactThousands = 0x102E0;                         // combining
// 1, 10, 100, 1000, 10000; the tens end at 70.
constexpr std::array<char32_t, 5> kMeroitic{0x109C0, 0x109C9, 0x109D2, 0x109DB, 0x109E4};
constexpr int kMeroiticLastTens = 7;
constexpr std::array<char32_t, 3> kRumi{0x10E60, 0x10E69, 0x10E72};  // 1, 10, 100

// Sumerian: for each unit, largest first, its value and the signs for a
// count of 1..9 of it (0 past the largest count the system has).
struct SumerianUnit {
    int value;
    std::array<char32_t, 9> signs;
};
constexpr std::array<SumerianUnit, 6> kSumerian{{
    {36000, {0x1242C, 0x1242D, 0x1242E, 0x12430, 0x12431, 0, 0, 0, 0}},                         // ŠAR'U
    {3600, {0x122B9, 0x12423, 0x12424, 0x12426, 0x12427, 0x12428, 0x12429, 0x1242A, 0x1242B}},  // ŠAR2
    {600, {0x1241E, 0x1241F, 0x12420, 0x12421, 0x12422, 0, 0, 0, 0}},                           // GEŠ'U
    {60, {0x12415, 0x12416, 0x12417, 0x12418, 0x12419, 0x1241A, 0x1241B, 0x1241C, 0x1241D}},    // GEŠ2
    {10, {0x1230B, 0x12399, 0x1230D, 0x1240F, 0x12410, 0, 0, 0, 0}},                            // U
    {1, {0x12079, 0x1222B, 0x12408, 0x12409, 0x1240A, 0x1240B, 0x1240C, 0x1240D, 0x1240E}},     // DIŠ
}};

// The sign of digit d (1..9) of a place whose signs start at `first`.
char32_t Nth(char32_t first, int d)
{
    return first + static_cast<char32_t>(d - 1);
}

// The places of r below 1000 (or below 10 to the size of `firsts`), largest first.
template <std::size_t Places>
void AppendPlaces(std::string& text, int r, const std::array<char32_t, Places>& firsts, char32_t mark = 0)
{
    int power = 1;
    for (std::size_t i = 1; i < Places; ++i)
        power *= 10;
    for (std::size_t i = Places; i > 0; --i, power /= 10) {
        if (const int d = r / power % 10; d > 0) {
            AppendCodePoint(text, Nth(firsts[i - 1], d));
            if (mark != 0)
                AppendCodePoint(text, mark);
        }
    }
}

}  // namespace

UnicodeNumeral CopticEpactNumeral(int n)
{
    if (n <= 0)
        return NoForm();
    UnicodeNumeral numeral;
    AppendPlaces(numeral.text, n / 1000, kCopticEpact, kCopticEpactThousands);
    AppendPlaces(numeral.text, n % 1000, kCopticEpact);
    return numeral;
}

UnicodeNumeral MeroiticNumeral(int n)
{
    if (n <= 0 || n / 10 % 10 > kMeroiticLastTens)
        return NoForm();
    UnicodeNumeral numeral;
    AppendPlaces(numeral.text, n, kMeroitic);
    return numeral;
}

UnicodeNumeral RumiNumeral(int n)
{
    if (n <= 0 || n > 999)
        return NoForm();
    UnicodeNumeral numeral;
    AppendPlaces(numeral.text, n, kRumi);
    return numeral;
}

UnicodeNumeral SumerianNumeral(int n)
{
    if (n <= 0)
        return NoForm();
    UnicodeNumeral numeral;
    int rest = n;
    for (const SumerianUnit& unit : kSumerian) {
        if (const int count = rest / unit.value; count > 0)
            AppendCodePoint(numeral.text, unit.signs[static_cast<std::size_t>(count - 1)]);
        rest %= unit.value;
    }
    return numeral;
}
