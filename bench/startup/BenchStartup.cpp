// Fresh processes of the program against a bare Qt window of the same size
// (and against one that holds a single label, which loads the font database
// as any window with text must):
//   BM_Startup*     from the spawn to the first painted window;
//   BM_PeakMemory*  peak resident memory, the program's after a thousand
//                   numbers shown on its five pages in turn, reported as
//                   the counter peak_kB; *RunFonts with only the fonts of
//                   the program's run-time packages (run-fonts.conf), as
//                   on a machine without the asset tools' Noto fonts.
// Runs on $QT_QPA_PLATFORM (offscreen by default).

#include <benchmark/benchmark.h>

#include <cstdio>
#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <map>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

long long MonotonicNanoseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1000000000LL + now.tv_nsec;
}

struct ProbeResult {
    double seconds = -1;  // from the spawn to the first painted window
    long long peakKilobytes = -1;
};

// This process's environment with one more assignment ("NAME=value").
std::vector<char*> EnvironmentWith(char* assignment)
{
    std::vector<char*> environment{assignment};
    for (char** variable = environ; *variable; ++variable)
        environment.push_back(*variable);
    environment.push_back(nullptr);
    return environment;
}

// The probe's fonts: every installed font, or with `fonts` the fontconfig
// configuration it names.
ProbeResult RunProbe(const char* mode, const char* session = nullptr, const char* probe = STARTUP_PROBE,
                     const char* fonts = nullptr)
{
    ProbeResult result;
    int pipeFds[2];
    if (pipe(pipeFds) != 0)
        return result;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    char* args[] = {const_cast<char*>(probe), const_cast<char*>(mode), const_cast<char*>(session), nullptr};
    pid_t pid = 0;
    const long long start = MonotonicNanoseconds();
    std::string fontConfiguration = std::string("FONTCONFIG_FILE=") + (fonts ? fonts : "");
    std::vector<char*> environment = EnvironmentWith(fontConfiguration.data());
    char** probeEnvironment = fonts ? environment.data() : environ;
    const int spawned = posix_spawn(&pid, probe, &actions, nullptr, args, probeEnvironment);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeFds[1]);
    char buffer[64] = {};
    const ssize_t got = spawned == 0 ? read(pipeFds[0], buffer, sizeof buffer - 1) : -1;
    close(pipeFds[0]);
    int status = 0;
    if (spawned == 0)
        waitpid(pid, &status, 0);
    long long painted = 0;
    if (got <= 0 || std::sscanf(buffer, "%lld %lld", &painted, &result.peakKilobytes) != 2)
        return result;
    result.seconds = (painted - start) / 1e9;
    return result;
}

void StartUp(benchmark::State& state, const char* mode, const char* probe = STARTUP_PROBE)
{
    for (auto _ : state) {
        const ProbeResult result = RunProbe(mode, nullptr, probe);
        if (result.seconds < 0) {
            state.SkipWithError("the probe did not paint");
            return;
        }
        state.SetIterationTime(result.seconds);
    }
}

void PeakMemory(benchmark::State& state, const char* mode, const char* session, const char* fonts = nullptr)
{
    long long peak = 0;
    for (auto _ : state) {
        const ProbeResult result = RunProbe(mode, session, STARTUP_PROBE, fonts);
        if (result.peakKilobytes < 0) {
            state.SkipWithError("the probe did not report");
            return;
        }
        state.SetIterationTime(result.seconds);
        peak = std::max(peak, result.peakKilobytes);
    }
    state.counters["peak_kB"] = static_cast<double>(peak);
}

void BM_StartupBareWindow(benchmark::State& state)
{
    StartUp(state, "bare");
}
void BM_StartupLabelWindow(benchmark::State& state)
{
    StartUp(state, "label");
}
void BM_StartupLabelWindowStandIn(benchmark::State& state)
{
    StartUp(state, "label-standin");
}
void BM_StartupTallyra(benchmark::State& state)
{
    StartUp(state, "tallyra");
}

void BM_PeakMemoryBareWindow(benchmark::State& state)
{
    PeakMemory(state, "bare", nullptr);
}
void BM_PeakMemoryTallyraSession(benchmark::State& state)
{
    PeakMemory(state, "tallyra", "session");
}
// The same with only the fonts the program's run-time packages install.
void BM_PeakMemoryBareWindowRunFonts(benchmark::State& state)
{
    PeakMemory(state, "bare", nullptr, RUN_FONTS_CONF);
}
void BM_PeakMemoryTallyraSessionRunFonts(benchmark::State& state)
{
    PeakMemory(state, "tallyra", "session", RUN_FONTS_CONF);
}

// One spawn per repetition, so the median is that of 60 spawns; the
// start-ups take turns in random order (see main), so a change in the
// machine's load falls on all of them alike.
void OneSpawnPerRepetition(benchmark::internal::Benchmark* benchmark)
{
    constexpr int kSpawns = 60;
    benchmark->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(kSpawns);
    benchmark->ReportAggregatesOnly();
}

BENCHMARK(BM_StartupBareWindow)->Apply(OneSpawnPerRepetition);
BENCHMARK(BM_StartupLabelWindow)->Apply(OneSpawnPerRepetition);
BENCHMARK(BM_StartupLabelWindowStandIn)->Apply(OneSpawnPerRepetition);
BENCHMARK(BM_StartupTallyra)->Apply(OneSpawnPerRepetition);
BENCHMARK(BM_PeakMemoryBareWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_PeakMemoryTallyraSession)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_PeakMemoryBareWindowRunFonts)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_PeakMemoryTallyraSessionRunFonts)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

// Collects the medians so the run can end with the ratio of the two.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.aggregate_name == "median")
                medians_[run.run_name.function_name] = run.GetAdjustedRealTime();
            const auto peak = run.counters.find("peak_kB");
            if (peak != run.counters.end())
                peaks_[run.run_name.function_name] = peak->second.value;
        }
    }
    void Finalize() override
    {
        ConsoleReporter::Finalize();
        const double bare = medians_["BM_StartupBareWindow"];
        const double label = medians_["BM_StartupLabelWindow"];
        const double ours = medians_["BM_StartupTallyra"];
        const double standIn = medians_["BM_StartupLabelWindowStandIn"];
        const double baseline = medians_["BM_StartupBaseline"];
        if (baseline > 0)
            std::printf(
                "baseline probe: %.1f ms; bare window (ratio %.2f); window with one label (ratio %.2f)\n",
                baseline, bare > 0 ? baseline / bare : 0.0, label > 0 ? baseline / label : 0.0);
        if (bare > 0 && ours > 0)
            std::printf("start-up to first paint: %.1f ms; bare window %.1f ms (ratio %.2f); "
                        "window with one label %.1f ms (ratio %.2f)\n",
                        ours, bare, ours / bare, label, label > 0 ? ours / label : 0.0);
        if (standIn > 0 && ours > 0)
            std::printf("window with one label in the stand-in font named outright %.1f ms (ratio %.2f)\n",
                        standIn, ours / standIn);
        printPeaks("", "every installed font");
        printPeaks("RunFonts", "the run-time packages' fonts only");
    }

private:
    void printPeaks(const std::string& variant, const char* fonts)
    {
        const double bare = peaks_["BM_PeakMemoryBareWindow" + variant];
        const double ours = peaks_["BM_PeakMemoryTallyraSession" + variant];
        if (bare > 0 && ours > 0)
            std::printf("peak resident memory after a thousand numbers (%s): %.0f kB against %.0f kB for a "
                        "bare window, ratio %.3f\n",
                        fonts, ours, bare, ours / bare);
    }

    std::map<std::string, double> medians_;
    std::map<std::string, double> peaks_;
};

}  // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // Repetitions of the start-ups interleaved unless the command line says otherwise.
    std::vector<char*> args(argv, argv + argc);
    char interleave[] = "--benchmark_enable_random_interleaving=true";
    args.insert(args.begin() + 1, interleave);
    int count = static_cast<int>(args.size());
    benchmark::Initialize(&count, args.data());
    // Another build's probe (say, of the commit before a change), measured
    // in the same run as BM_StartupBaseline: before and after side by side.
    if (const char* baseline = std::getenv("STARTUP_PROBE_BASELINE"))
        benchmark::RegisterBenchmark("BM_StartupBaseline", [baseline](benchmark::State& state) {
            StartUp(state, "tallyra", baseline);
        })->Apply(OneSpawnPerRepetition);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
