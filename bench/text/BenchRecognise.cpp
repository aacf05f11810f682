// Time to recognise a long text, at 1 k, 10 k and 100 k characters, against
// the least any recogniser must do: decoding the same UTF-8 into code
// points. The fitted complexity shows the time grows linearly.
//
// The forms people write in running text (grouped digits, punctuation
// around a numeral, Morse code in other dots and dashes, Braille digits
// without the number sign, the apostrophus spelled out, Suzhou figures in
// a line, Greek στ) each against the plain form of the same number: as
// numerals are typed, and as long texts.

#include "numerals/recognise/Readers.h"
#include "numerals/recognise/Recognise.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

// `count` characters, the sign repeated.
std::string Repeated(const char* sign, long count)
{
    std::string text;
    for (long i = 0; i < count; ++i)
        text += sign;
    return text;
}

// Arabic-Indic digits: a digit row reads them to the end (a number far out of range).
std::string Digits(long count)
{
    return Repeated("\u0669", count);
}

// M after M: the Roman reader reads them to the end.
std::string RomanThousands(long count)
{
    return Repeated("M", count);
}

// Egyptian units: signs that add up in any order, read to the end.
std::string EgyptianUnits(long count)
{
    return Repeated("\U000133E4", count);
}

// Aegean ten-thousands: the additive signs of Linear B, read to the end.
std::string AegeanTenThousands(long count)
{
    return Repeated("\U0001012B", count);
}

// Counting rods, lying and upright by turns: a positional numeral read to the end.
std::string CountingRods(long count)
{
    std::string text;
    for (long i = count; i > 0; --i)
        text += i % 2 == 0 ? "\U0001D371" : "\U0001D368";
    return text;
}

// ---- Long texts in the forms people write, each beside its plain form ----

// About `count` characters: ASCII nines grouped in thousands by commas, and
// without them.
std::string GroupedDigits(long count)
{
    return "9" + Repeated(",999", (count - 1) / 4);
}

std::string PlainDigits(long count)
{
    return std::string(static_cast<std::size_t>(count), '9');
}

// M after M in brackets with a full stop after them.
std::string PunctuatedThousands(long count)
{
    return "(" + RomanThousands(count) + ").";
}

// The thousands spelled with the apostrophus, CIↃ for M.
std::string ApostrophusThousands(long count)
{
    return Repeated("CI\u2183", count / 3);
}

// Morse code's nines: in typographic dashes and dots, and as the row writes them.
std::string TypographicMorse(long count)
{
    return Repeated("\u2212\u2212\u2212\u2212\u00B7 ", count / 6) + "\u2212\u2212\u2212\u2212\u00B7";
}

std::string Morse(long count)
{
    return Repeated("----. ", count / 6) + "----.";
}

// Braille nines without the number sign, and with it.
std::string BrailleDigits(long count)
{
    return Repeated("\u280A", count);
}

std::string BrailleNumber(long count)
{
    return "\u283C" + BrailleDigits(count);
}

// Suzhou figures in a line, and the Chinese year digits read the same way.
std::string SuzhouFigures(long count)
{
    return Repeated("\u3029", count);
}

std::string ChineseDigits(long count)
{
    return Repeated("\u4E5D", count);
}

template <std::string (*Text)(long)>
void Recognise(benchmark::State& state)
{
    const std::string text = Text(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(recognise::Recognise(text));
    state.SetComplexityN(state.range(0));
}

template <std::string (*Text)(long)>
void DecodeOnly(benchmark::State& state)
{
    const std::string text = Text(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(recognise::Decoded(text));
    state.SetComplexityN(state.range(0));
}

// ---- Numerals as they are typed: a form people write, then the plain form ----

struct Pair {
    const char* written;
    const char* plain;
};
constexpr Pair kPairs[] = {
    {"1,994", "1994"},
    {"MMXXVI.", "MMXXVI"},
    {"(MCMXCIV)", "MCMXCIV"},
    {"\u03C3\u03C4\u02B9", "\u03DB\u02B9"},                          // στʹ, ϛʹ
    {"CI\u2183", "M"},                                               // CIↃ
    {"\u3022\u3023", "\u3022\u5341\u3023"},                          // 〢〣, 〢十〣
    {"\u2801\u280A\u280A\u2819", "\u283C\u2801\u280A\u280A\u2819"},  // Braille 1994
    {"\u00B7\u2212\u2212\u2212\u2212 \u2212\u2212\u2212\u2212\u00B7 \u2212\u2212\u2212\u2212\u00B7 "
     "\u00B7\u00B7\u00B7\u00B7\u2212",
     ".---- ----. ----. ....-"},
};

void Typed(benchmark::State& state)
{
    const Pair& pair = kPairs[state.range(0)];
    const std::string text = state.range(1) == 0 ? pair.written : pair.plain;
    for (auto _ : state)
        benchmark::DoNotOptimize(recognise::Recognise(text));
    state.SetLabel(text);
}

#define LENGTHS ->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond)->Complexity(benchmark::oN)

}  // namespace

BENCHMARK_TEMPLATE(Recognise, Digits) LENGTHS;
BENCHMARK_TEMPLATE(DecodeOnly, Digits) LENGTHS;
BENCHMARK_TEMPLATE(Recognise, RomanThousands) LENGTHS;
BENCHMARK_TEMPLATE(DecodeOnly, RomanThousands) LENGTHS;
BENCHMARK_TEMPLATE(Recognise, EgyptianUnits) LENGTHS;
BENCHMARK_TEMPLATE(DecodeOnly, EgyptianUnits) LENGTHS;
BENCHMARK_TEMPLATE(Recognise, AegeanTenThousands) LENGTHS;
BENCHMARK_TEMPLATE(DecodeOnly, AegeanTenThousands) LENGTHS;
BENCHMARK_TEMPLATE(Recognise, CountingRods) LENGTHS;
BENCHMARK_TEMPLATE(DecodeOnly, CountingRods) LENGTHS;
BENCHMARK_TEMPLATE(Recognise, GroupedDigits) LENGTHS;
BENCHMARK_TEMPLATE(Recognise, PlainDigits) LENGTHS;
BENCHMARK_TEMPLATE(Recognise, PunctuatedThousands) LENGTHS;
BENCHMARK_TEMPLATE(Recognise, ApostrophusThousands) LENGTHS;
BENCHMARK_TEMPLATE(Recognise, TypographicMorse) LENGTHS;
BENCHMARK_TEMPLATE(Recognise, Morse) LENGTHS;
BENCHMARK_TEMPLATE(Recognise, BrailleDigits) LENGTHS;
BENCHMARK_TEMPLATE(Recognise, BrailleNumber) LENGTHS;
BENCHMARK_TEMPLATE(Recognise, SuzhouFigures) LENGTHS;
BENCHMARK_TEMPLATE(Recognise, ChineseDigits) LENGTHS;
BENCHMARK(Typed)->ArgsProduct({benchmark::CreateDenseRange(0, std::size(kPairs) - 1, 1), {0, 1}});
BENCHMARK_MAIN();
