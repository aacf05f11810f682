// Time to give every one of the rows its text for one number: the text
// alone (NumeralText), and the text with kind, script, direction and
// reading (TextOf), as the window's accessibility and tooltips ask for it
// after a keystroke. And the time to find the rows for a query, as the
// find field does after each keystroke.

#include "rows/RowFinder.h"
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

// A letter (most rows), a word (a few rows), and a word no row has.
void FindRowsFor(benchmark::State& state)
{
    static const char* const kQueries[] = {"a", "china", "zzzz"};
    const QString query = QString::fromLatin1(kQueries[state.range(0)]);
    for (auto _ : state)
        benchmark::DoNotOptimize(FindRows(query));
    state.SetLabel(kQueries[state.range(0)]);
}

BENCHMARK(EveryRowText)->Arg(13)->Unit(benchmark::kMicrosecond);
BENCHMARK(EveryRowWithReading)->Arg(13)->Unit(benchmark::kMicrosecond);
BENCHMARK(FindRowsFor)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
