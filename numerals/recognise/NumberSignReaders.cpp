// Number signs Unicode gives a value (read through ICU): the Aegean
// numbers of Linear A and B, the Kharoshthi and Brahmi numbers, and the
// counting rods.

#include "Readers.h"

#include <unicode/uchar.h>

namespace recognise {
namespace {

constexpr char32_t kBrahmiJoiner = U'\U0001107F';

// The counting rods' digits, the unit forms (1..9) then the tens forms (10..90); the tally
// marks after them in the block are no place digits.
constexpr char32_t kFirstRod = U'\U0001D360';
constexpr char32_t kLastRod = U'\U0001D371';
constexpr char32_t kRodZero = U'〇';

// Kharoshthi's 1, 2, 3, 4, 10 and 20 add up, larger before smaller, up to
// 9 units and 90 tens.
struct KharoshthiRun {
    int units = 0;
    int tens = 0;
    int last = 99;

    bool add(int value)
    {
        if (value > last)
            return false;
        last = value;
        (value < 10 ? units : tens) += value;
        return units <= 9 && tens <= 90;
    }
    int sum() const { return units + tens; }
};

int BrahmiNumber(char32_t c)
{
    return NumberSignValue(c, UBLOCK_BRAHMI);
}

// A power of Brahmi (100, 1000) joined to the sign after it that
// multiplies it: 100 by a unit, 1000 by a unit or a tens sign; -1 otherwise.
long long BrahmiProduct(int power, int multiplier)
{
    const int largest = power == 100 ? 9 : power == 1000 ? 90 : 0;
    return multiplier > 0 && multiplier <= largest ? static_cast<long long>(power) * multiplier : -1;
}

}  // namespace

// One sign for each multiple of a power of ten, and signs repeated as on
// the tablets (𐄢𐄢𐄢 for 𐄤): they add up in any order.
void ReadAegean(Text text, Numbers& numbers)
{
    long long sum = 0;
    for (char32_t c : text) {
        const int v = NumberSignValue(c, UBLOCK_AEGEAN_NUMBERS);
        if (v < 0)
            return;
        sum = Plus(sum, v);
    }
    if (!text.empty())
        numbers.push_back(sum);
}

// Largest first: the thousands' count (tens and units) before 𐩇, the
// hundreds' count (units) before 𐩆, then the tens and the units. A power
// sign without a count stands for one of it.
void ReadKharoshthi(Text text, Numbers& numbers)
{
    long long total = 0;
    int lastPower = 10000;
    KharoshthiRun run;
    for (char32_t c : text) {
        const int v = NumberSignValue(c, UBLOCK_KHAROSHTHI);
        if (v == 100 || v == 1000) {
            const int count = run.sum() == 0 ? 1 : run.sum();
            if (v >= lastPower || (v == 100 && count > 9))
                return;
            total += static_cast<long long>(count) * v;
            lastPower = v;
            run = KharoshthiRun();
        } else if (v < 0 || !run.add(v)) {
            return;
        }
    }
    if (!text.empty())
        numbers.push_back(total + run.sum());
}

// One term a decimal place, largest first; 𑁤 and 𑁥 joined (U+1107F) to
// the sign after them are multiplied by it (𑁥𑁿𑁞 = 40000).
void ReadBrahmiAdditive(Text text, Numbers& numbers)
{
    FallingPlaces places;
    for (std::size_t i = 0; i < text.size(); ++i) {
        long long term = BrahmiNumber(text[i]);
        if (i + 1 < text.size() && text[i + 1] == kBrahmiJoiner) {
            term =
                i + 2 < text.size() ? BrahmiProduct(static_cast<int>(term), BrahmiNumber(text[i + 2])) : -1;
            i += 2;
        }
        if (!places.add(term))
            return;
    }
    if (!text.empty())
        numbers.push_back(places.sum);
}

// One rod digit a decimal place, a unit form (1..9) in the units, hundreds
// and ten-thousands, a tens form (10..90) in the places between; 〇 an
// empty place.
void ReadCountingRods(Text text, Numbers& numbers)
{
    long long n = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char32_t c = text[i];
        const bool unitForm = (text.size() - 1 - i) % 2 == 0;
        const int v = c >= kFirstRod && c <= kLastRod ? NumberSignValue(c, UBLOCK_COUNTING_ROD_NUMERALS) : -1;
        const bool zero = c == kRodZero && (i > 0 || text.size() == 1);
        if (!zero && (v < 0 || (v < 10) != unitForm))
            return;
        n = Plus(Times(n, 10), zero ? 0 : unitForm ? v : v / 10);
    }
    if (!text.empty())
        numbers.push_back(n);
}

}  // namespace recognise
