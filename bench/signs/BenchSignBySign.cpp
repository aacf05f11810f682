// What a Sign by Sign view asks of the core: when it opens, the row's sign
// table (computed once; the first row asked also sets up the text layer and
// the recogniser) and the breakdown; when the number changes, the
// breakdown again; when a sign is pressed, what the composed signs read as.
// For every row, one after the other.

#include "rows/RowTable.h"
#include "signs/SignBySign.h"

#include <benchmark/benchmark.h>

#include <chrono>

namespace {

constexpr int kNumbers[] = {0, 7, 1994, 46363, 79999};

// The first sign table of each row, and its breakdown: each row once, the
// time of the slowest (a view's opening).
void BM_OpenEveryRowOnce(benchmark::State& state)
{
    for (auto _ : state) {
        double slowest = 0;
        for (const RowSpec& row : RowsInDisplayOrder()) {
            const auto start = std::chrono::steady_clock::now();
            benchmark::DoNotOptimize(signs::SignTable(row.cell).size());
            benchmark::DoNotOptimize(signs::BreakdownOf(row.cell, 46363).groups.size());
            const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
            slowest = std::max(slowest, took.count());
        }
        state.counters["slowest_ms"] = slowest;
    }
}
BENCHMARK(BM_OpenEveryRowOnce)->Iterations(1)->Unit(benchmark::kMillisecond);

// Every row's breakdown of a number (a change of the number with every view open).
void BM_BreakdownEveryRow(benchmark::State& state)
{
    std::size_t i = 0;
    for (auto _ : state) {
        const int n = kNumbers[i++ % std::size(kNumbers)];
        for (const RowSpec& row : RowsInDisplayOrder())
            benchmark::DoNotOptimize(signs::BreakdownOf(row.cell, n).groups.size());
    }
}
BENCHMARK(BM_BreakdownEveryRow)->Unit(benchmark::kMicrosecond);

// Every row's numeral composed from its signs and read.
void BM_ComposeEveryRow(benchmark::State& state)
{
    std::size_t i = 0;
    for (auto _ : state) {
        const int n = kNumbers[i++ % std::size(kNumbers)];
        for (const RowSpec& row : RowsInDisplayOrder())
            benchmark::DoNotOptimize(signs::Compose(row.cell, signs::NumeralSigns(row.cell, n)).number);
    }
}
BENCHMARK(BM_ComposeEveryRow)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
