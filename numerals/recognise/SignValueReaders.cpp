// Number signs whose value Unicode gives (read through ICU), of systems
// that count, cipher or multiply them: the Phoenician, Aramaic and
// Parthian strokes, the Sinhala archaic numbers, the Meroitic, Rumi and
// Coptic epact signs, Mende Kikakui, the base-20 digits of Kaktovik and
// Medefaidrin, tally marks; and the Sumerian counting signs, whose values
// Unicode gives as counts.

#include "Readers.h"

#include <unicode/uchar.h>

namespace recognise {
namespace {

constexpr char32_t kCopticEpactThousands = U'\U000102E0';
constexpr char32_t kMendeTeens = U'\U0001E8D0';
constexpr char32_t kMendeTens = U'\U0001E8D1';  // HUNDREDS, THOUSANDS, TEN THOUSANDS follow
constexpr char32_t kMendeTenThousands = U'\U0001E8D4';
constexpr char32_t kKaktovikZero = U'\U0001D2C0';
constexpr char32_t kMedefaidrinZero = U'\U00016E80';

constexpr SignValue kTally[] = {{U'\U0001D378', 5}, {U'\U0001D377', 1}};
// The finished 正 is five, whether the tally mark or the character.
constexpr SignValue kZhengTally[] = {{U'\U0001D376', 5}, {U'正', 5},         {U'\U0001D372', 1},
                                     {U'\U0001D373', 2}, {U'\U0001D374', 3}, {U'\U0001D375', 4}};

// The Sumerian signs by the value they mean (Unicode's values count the unit).
constexpr SignValue kSumerian[] = {
    {U'\U00012079', 1},      {U'\U0001222B', 2},      {U'\U00012408', 3},      {U'\U00012409', 4},
    {U'\U0001240A', 5},      {U'\U0001240B', 6},      {U'\U0001240C', 7},      {U'\U0001240D', 8},
    {U'\U0001240E', 9},      {U'\U0001230B', 10},     {U'\U00012399', 20},     {U'\U0001230D', 30},
    {U'\U0001240F', 40},     {U'\U00012410', 50},     {U'\U00012415', 60},     {U'\U00012416', 120},
    {U'\U00012417', 180},    {U'\U00012418', 240},    {U'\U00012419', 300},    {U'\U0001241A', 360},
    {U'\U0001241B', 420},    {U'\U0001241C', 480},    {U'\U0001241D', 540},    {U'\U0001241E', 600},
    {U'\U0001241F', 1200},   {U'\U00012420', 1800},   {U'\U00012421', 2400},   {U'\U00012422', 3000},
    {U'\U000122B9', 3600},   {U'\U00012423', 7200},   {U'\U00012424', 10800},  {U'\U00012425', 10800},
    {U'\U00012426', 14400},  {U'\U00012427', 18000},  {U'\U00012428', 21600},  {U'\U00012429', 25200},
    {U'\U0001242A', 28800},  {U'\U0001242B', 32400},  {U'\U0001242C', 36000},  {U'\U0001242D', 72000},
    {U'\U0001242E', 108000}, {U'\U0001242F', 108000}, {U'\U00012430', 144000}, {U'\U00012431', 180000}};
// The unit each value counts, from its sign's value.
constexpr int kSumerianUnits[] = {36000, 3600, 600, 60, 10, 1};

int SumerianUnit(int value)
{
    for (int unit : kSumerianUnits) {
        if (value % unit == 0)
            return unit;
    }
    return 1;
}

// Strokes and signs that add up, largest first, and before a power sign
// (100, 1000, 10000) a count that multiplies it (one when there is none).
void ReadCountedPowers(Text text, int block, Numbers& numbers)
{
    long long total = 0;
    int run = 0;
    int lastInRun = 99;
    int lastPower = 100000;
    for (char32_t c : text) {
        const int v = NumberSignValue(c, block);
        if (v == 100 || v == 1000 || v == 10000) {
            const int count = run == 0 ? 1 : run;
            if (v >= lastPower || count > (v == 100 ? 9 : 99))
                return;
            total += static_cast<long long>(count) * v;
            lastPower = v;
            run = 0;
            lastInRun = 99;
        } else if (v < 0 || v > lastInRun || run + v > 99) {
            return;
        } else {
            run += v;
            lastInRun = v;
        }
    }
    if (!text.empty())
        numbers.push_back(total + run);
}

// One sign a decimal place, largest first; `mark` after a sign counts it in thousands.
void ReadCiphered(Text text, int block, Numbers& numbers, char32_t mark = 0)
{
    FallingPlaces places;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool thousands = mark != 0 && i + 1 < text.size() && text[i + 1] == mark;
        const int v = NumberSignValue(text[i], block);
        if (v < 0 || !places.add(thousands ? v * 1000LL : v))
            return;
        i += thousands ? 1 : 0;
    }
    if (!text.empty())
        numbers.push_back(places.sum);
}

// Base 20, most significant digit first; the zero has no value in Unicode's
// sense of a number sign from 1.
void ReadVigesimal(Text text, int block, char32_t zero, Numbers& numbers)
{
    long long n = 0;
    for (char32_t c : text) {
        const int d = c == zero ? 0 : NumberSignValue(c, block);
        if (d < 0 || d >= 20)
            return;
        n = Plus(Times(n, 20), d);
    }
    if (!text.empty())
        numbers.push_back(n);
}

// The fives first, then what is left: any strokes of one, or one stage of 正.
template <std::size_t N>
void ReadTally(Text text, const SignValue (&signs)[N], bool oneRest, Numbers& numbers)
{
    long long n = 0;
    int rests = 0;
    for (char32_t c : text) {
        const int v = ValueOf(signs, c);
        if (v < 0 || (v == 5 && rests > 0) || (v < 5 && oneRest && rests > 0))
            return;
        rests += v < 5 ? 1 : 0;
        n = Plus(n, v);
    }
    if (!text.empty())
        numbers.push_back(n);
}

}  // namespace

void ReadPhoenician(Text text, Numbers& numbers)
{
    ReadCountedPowers(text, UBLOCK_PHOENICIAN, numbers);
}

void ReadAramaic(Text text, Numbers& numbers)
{
    ReadCountedPowers(text, UBLOCK_IMPERIAL_ARAMAIC, numbers);
}

void ReadParthian(Text text, Numbers& numbers)
{
    ReadCountedPowers(text, UBLOCK_INSCRIPTIONAL_PARTHIAN, numbers);
}

// Signs for 1..9 and 10..90 add up; a count before 100 or 1000 multiplies it.
void ReadSinhalaArchaic(Text text, Numbers& numbers)
{
    ReadCountedPowers(text, UBLOCK_SINHALA_ARCHAIC_NUMBERS, numbers);
}

void ReadMeroitic(Text text, Numbers& numbers)
{
    ReadCiphered(text, UBLOCK_MEROITIC_CURSIVE, numbers);
}

void ReadRumi(Text text, Numbers& numbers)
{
    ReadCiphered(text, UBLOCK_RUMI_NUMERAL_SYMBOLS, numbers);
}

void ReadCopticEpact(Text text, Numbers& numbers)
{
    ReadCiphered(text, UBLOCK_COPTIC_EPACT_NUMBERS, numbers, kCopticEpactThousands);
}

// A digit and the mark of its power after it (TENS .. TEN THOUSANDS), a
// digit with TEENS for 11..19, the units digit alone; largest first.
void ReadMende(Text text, Numbers& numbers)
{
    FallingPlaces places;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const int d = NumberSignValue(text[i], UBLOCK_MENDE_KIKAKUI);
        const char32_t mark = i + 1 < text.size() ? text[i + 1] : 0;
        long long term = d;
        if (mark == kMendeTeens) {
            term = d + 10;
        } else if (mark >= kMendeTens && mark <= kMendeTenThousands) {
            for (char32_t m = kMendeTens; m <= mark; ++m)
                term *= 10;
        }
        if (d < 1 || d > 9 || !places.add(term))
            return;
        if (mark == kMendeTeens)
            places.last = 0;  // nothing may follow the teens
        i += term != d ? 1 : 0;
    }
    if (!text.empty())
        numbers.push_back(places.sum);
}

void ReadKaktovik(Text text, Numbers& numbers)
{
    ReadVigesimal(text, UBLOCK_KAKTOVIK_NUMERALS, kKaktovikZero, numbers);
}

// The standard digits, and the alternate forms of one, two and three.
void ReadMedefaidrin(Text text, Numbers& numbers)
{
    ReadVigesimal(text, UBLOCK_MEDEFAIDRIN, kMedefaidrinZero, numbers);
}

void ReadTallyMarks(Text text, Numbers& numbers)
{
    ReadTally(text, kTally, false, numbers);
}

void ReadZhengTally(Text text, Numbers& numbers)
{
    ReadTally(text, kZhengTally, true, numbers);
}

// One sign for each count of a unit, the largest unit first.
void ReadSumerian(Text text, Numbers& numbers)
{
    long long sum = 0;
    int lastUnit = 1000000;
    for (char32_t c : text) {
        const int v = ValueOf(kSumerian, c);
        const int unit = v < 0 ? 0 : SumerianUnit(v);
        if (v < 0 || unit >= lastUnit)
            return;
        sum += v;
        lastUnit = unit;
    }
    if (!text.empty())
        numbers.push_back(sum);
}

}  // namespace recognise
