// Time to build every text row (the 54 glyph strings and the Roman text)
// for one number, against writing the number as decimal text 55 times.
// Prints the median per number of each and their ratios.

#include "numerals/Roman.h"
#include "numerals/TextRows.h"

#include <benchmark/benchmark.h>

#include <charconv>
#include <cstdio>
#include <iostream>
#include <map>
#include <string>
#include <vector>

namespace {

constexpr int kCaptionsPerNumber = 55;  // 54 glyph strings and the Roman text
constexpr int kRepetitions = 9;

struct Sample {
    int n;
    std::string text;
};

// Numbers spread over 0..79999 in a scattered order, with their texts.
const std::vector<Sample>& Spread()
{
    static const std::vector<Sample> samples = [] {
        std::vector<Sample> list;
        for (int k = 0; k < 1000; ++k) {
            const int n = static_cast<int>((k * 7919LL + 13) % 80000);
            list.push_back({n, std::to_string(n)});
        }
        return list;
    }();
    return samples;
}

void AllBuilders(benchmark::State& state)
{
    const std::vector<Sample>& samples = Spread();
    std::size_t i = 0;
    for (auto _ : state) {
        const Sample& sample = samples[i++ % samples.size()];
        std::string roman = RomanNumeral(sample.n);
        benchmark::DoNotOptimize(roman);
        for (const TextRow& row : AllTextRows()) {
            GlyphString caption = row.build(sample.n, sample.text);
            benchmark::DoNotOptimize(caption);
        }
    }
    state.SetItemsProcessed(state.iterations());
}

void ToChars55(benchmark::State& state)
{
    const std::vector<Sample>& samples = Spread();
    std::size_t i = 0;
    for (auto _ : state) {
        const Sample& sample = samples[i++ % samples.size()];
        for (int k = 0; k < kCaptionsPerNumber; ++k) {
            char buffer[16];
            const auto result = std::to_chars(buffer, buffer + sizeof buffer, sample.n);
            std::string text(buffer, result.ptr);
            benchmark::DoNotOptimize(text);
        }
    }
    state.SetItemsProcessed(state.iterations());
}

void Snprintf55(benchmark::State& state)
{
    const std::vector<Sample>& samples = Spread();
    std::size_t i = 0;
    for (auto _ : state) {
        const Sample& sample = samples[i++ % samples.size()];
        for (int k = 0; k < kCaptionsPerNumber; ++k) {
            char buffer[16];
            const int length = std::snprintf(buffer, sizeof buffer, "%d", sample.n);
            std::string text(buffer, static_cast<std::size_t>(length));
            benchmark::DoNotOptimize(text);
        }
    }
    state.SetItemsProcessed(state.iterations());
}

BENCHMARK(AllBuilders)->Unit(benchmark::kNanosecond)->Repetitions(kRepetitions)->ReportAggregatesOnly(true);
BENCHMARK(ToChars55)->Unit(benchmark::kNanosecond)->Repetitions(kRepetitions)->ReportAggregatesOnly(true);
BENCHMARK(Snprintf55)->Unit(benchmark::kNanosecond)->Repetitions(kRepetitions)->ReportAggregatesOnly(true);

struct Median {
    double realNs;
    double cpuNs;
};

// Shows the usual table and keeps the median times of each benchmark.
class MedianReporter : public benchmark::ConsoleReporter {
public:
    MedianReporter() : ConsoleReporter(OO_Tabular) { }

    void ReportRuns(const std::vector<Run>& reports) override
    {
        ConsoleReporter::ReportRuns(reports);
        for (const Run& run : reports) {
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
                medians[run.run_name.function_name] = {run.GetAdjustedRealTime(), run.GetAdjustedCPUTime()};
        }
    }

    std::map<std::string, Median> medians;
};

// On a shared machine the CPU time is the steadier of the two.
void PrintRatios(const std::map<std::string, Median>& medians)
{
    const auto builders = medians.find("AllBuilders");
    if (builders == medians.end())
        return;
    const Median& own = builders->second;
    std::cout << "\nmedian per number, real / CPU time:\n"
              << "  AllBuilders " << own.realNs << " / " << own.cpuNs << " ns\n";
    for (const char* peer : {"ToChars55", "Snprintf55"}) {
        const auto found = medians.find(peer);
        if (found == medians.end() || found->second.realNs <= 0 || found->second.cpuNs <= 0)
            continue;
        const Median& other = found->second;
        std::cout << "  " << peer << " " << other.realNs << " / " << other.cpuNs << " ns; AllBuilders / "
                  << peer << " = " << own.realNs / other.realNs << " / " << own.cpuNs / other.cpuNs << '\n';
    }
}

}  // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    PrintRatios(reporter.medians);
    return 0;
}
