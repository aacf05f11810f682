// Time to give every one of the rows its text for one number: the text
// alone (NumeralText), and the text with kind, script, direction and
// reading (TextOf), as the window's accessibility and tooltips ask for it
// after a keystroke.

#include "rows/RowTable.h"
#include "numerals/text/RowText.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

int NumberOf(benchmark::State& state, int k)
{
    return static_cast<int>((k * 7919LL + static_cast<long long>(state.range(0))) % 80000);
}

void EveryRowText(benchmark::State& state)
{
    int k = 0;
    for (auto _ : state) {
        const int n = NumberOf(state, k++);
        const std::string t = std::to_string(n);
        for (const RowSpec& row : RowsInDisplayOrder())
            benchmark::DoNotOptimize(rowtext::NumeralText(row.cell, n, t));
    }
}

void EveryRowWithReading(benchmark::State& state)
{
    int k = 0;
    for (auto _ : state) {
        const int n = NumberOf(state, k++);
        const std::string t = std::to_string(n);
        for (const RowSpec& row : RowsInDisplayOrder())
            benchmark::DoNotOptimize(rowtext::TextOf(row.cell, n, t));
    }
}

}  // namespace

BENCHMARK(EveryRowText)->Arg(13)->Unit(benchmark::kMicrosecond);
BENCHMARK(EveryRowWithReading)->Arg(13)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
