#include "UnicodeSemitic.h"

#include <array>

namespace {

struct StrokeSystem {
    std::array<char32_t, 4> strokes;  // the signs for 1, 2, 3 (and 4; 0 where there is none)
    int group;                        // the largest stroke sign: 3 or 4
    char32_t ten;
    char32_t twenty;
    std::array<char32_t, 3> powers;  // 100, 1000, 10000; 0 where there is none
    int last;                        // the largest number it writes
};

constexpr StrokeSystem kPhoenician{{0x10916, 0x1091A, 0x1091B, 0}, 3, 0x10917, 0x10918, {0x10919, 0, 0}, 999};
constexpr StrokeSystem kAramaic{{0x10858, 0x10859, 0x1085A, 0}, 3,    0x1085B, 0x1085C,
                                {0x1085D, 0x1085E, 0x1085F},    79999};
constexpr StrokeSystem kParthian{
    {0x10B58, 0x10B59, 0x10B5A, 0x10B5B}, 4, 0x10B5C, 0x10B5D, {0x10B5E, 0x10B5F, 0}, 9999};

// 1..9 as the largest stroke sign as often as it fits and one for the rest
// (Phoenician 7 = 3 3 1, Parthian 7 = 4 3).
void AppendStrokes(std::string& text, int u, const StrokeSystem& s)
{
    for (; u >= s.group; u -= s.group)
        AppendCodePoint(text, s.strokes[static_cast<std::size_t>(s.group - 1)]);
    if (u > 0)
        AppendCodePoint(text, s.strokes[static_cast<std::size_t>(u - 1)]);
}

UnicodeNumeral StrokeNumeral(int n, const StrokeSystem& s)
{
    if (n <= 0 || n > s.last)
        return NoForm();
    UnicodeNumeral numeral;
    std::string& text = numeral.text;
    int power = 10000;
    for (std::size_t i = s.powers.size(); i > 0; --i, power /= 10) {
        if (const int d = n / power % 10; d > 0) {
            AppendStrokes(text, d, s);
            AppendCodePoint(text, s.powers[i - 1]);
        }
    }
    const int tens = n / 10 % 10;
    for (int i = 0; i < tens / 2; ++i)
        AppendCodePoint(text, s.twenty);
    if (tens % 2 == 1)
        AppendCodePoint(text, s.ten);
    AppendStrokes(text, n % 10, s);
    return numeral;
}

}  // namespace

UnicodeNumeral PhoenicianNumeral(int n)
{
    return StrokeNumeral(n, kPhoenician);
}

UnicodeNumeral AramaicNumeral(int n)
{
    return StrokeNumeral(n, kAramaic);
}

UnicodeNumeral ParthianNumeral(int n)
{
    return StrokeNumeral(n, kParthian);
}
