// Start-up time of the program's window against a bare Qt window of the same
// size (and against one that holds a single label, which loads the font
// database as any window with text must): each iteration starts a fresh process and measures from the spawn to
// its first painted window. Runs on $QT_QPA_PLATFORM (offscreen by default).

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <map>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

long long MonotonicNanoseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1000000000LL + now.tv_nsec;
}

// Seconds from spawning the probe to its first painted window, or -1.
double TimeToFirstPaint(const char* mode)
{
    int pipeFds[2];
    if (pipe(pipeFds) != 0)
        return -1;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    char* args[] = {const_cast<char*>(STARTUP_PROBE), const_cast<char*>(mode), nullptr};
    pid_t pid = 0;
    const long long start = MonotonicNanoseconds();
    const int spawned = posix_spawn(&pid, STARTUP_PROBE, &actions, nullptr, args, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeFds[1]);
    char buffer[64] = {};
    const ssize_t got = spawned == 0 ? read(pipeFds[0], buffer, sizeof buffer - 1) : -1;
    close(pipeFds[0]);
    int status = 0;
    if (spawned == 0)
        waitpid(pid, &status, 0);
    if (got <= 0)
        return -1;
    return (std::atoll(buffer) - start) / 1e9;
}

void StartUp(benchmark::State& state, const char* mode)
{
    for (auto _ : state) {
        const double seconds = TimeToFirstPaint(mode);
        if (seconds < 0) {
            state.SkipWithError("the probe did not paint");
            return;
        }
        state.SetIterationTime(seconds);
    }
}

void BM_StartupBareWindow(benchmark::State& state) { StartUp(state, "bare"); }
void BM_StartupLabelWindow(benchmark::State& state) { StartUp(state, "label"); }
void BM_StartupTallyra(benchmark::State& state) { StartUp(state, "tallyra"); }

BENCHMARK(BM_StartupBareWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20)->Repetitions(3);
BENCHMARK(BM_StartupLabelWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20)->Repetitions(3);
BENCHMARK(BM_StartupTallyra)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20)->Repetitions(3);

// Collects the medians so the run can end with the ratio of the two.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            if (run.aggregate_name == "median")
                medians_[run.run_name.function_name] = run.GetAdjustedRealTime();
    }
    void Finalize() override
    {
        ConsoleReporter::Finalize();
        const double bare = medians_["BM_StartupBareWindow"];
        const double label = medians_["BM_StartupLabelWindow"];
        const double ours = medians_["BM_StartupTallyra"];
        if (bare > 0 && ours > 0)
            std::printf("start-up to first paint: %.1f ms; bare window %.1f ms (ratio %.2f); "
                        "window with one label %.1f ms (ratio %.2f)\n",
                        ours, bare, ours / bare, label, label > 0 ? ours / label : 0.0);
    }

private:
    std::map<std::string, double> medians_;
};

}  // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
