// Time to recognise a long text, at 1 k, 10 k and 100 k characters, against
// the least any recogniser must do: decoding the same UTF-8 into code
// points. The fitted complexity shows the time grows linearly.

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
BENCHMARK_MAIN();
