// What a person meets: the command-line tool started as a new process for
// every run, opening a plan of 100k schedules (10k rows, 20k links, 1k memos)
// and, at the same moment, an empty project. Each run is a pair (empty, then
// large), so a machine that other work loads slows both alike; the counters
// are medians over the runs and the "extra_" ones the large plan's cost above
// the empty one.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

#include "support/BenchProjects.h"

extern char** environ;

namespace qb {
namespace {

constexpr int kRuns = 7;

struct ProcessCost {
    double wallMs = 0;
    double cpuMs = 0;
    double faults = 0;
    double maxRssMb = 0;
    bool ok = false;
};

double Millis(const timeval& t) {
    return static_cast<double>(t.tv_sec) * 1000.0 + static_cast<double>(t.tv_usec) / 1000.0;
}

// Runs the tool with its output thrown away and reads its costs from wait4.
ProcessCost Run(const std::vector<std::string>& arguments) {
    std::vector<char*> argv;
    std::string program = QB_CLI_PATH;
    argv.push_back(program.data());
    std::vector<std::string> copies = arguments;
    for (std::string& argument : copies)
        argv.push_back(argument.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    ProcessCost cost;
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        return cost;
    int status = 0;
    rusage usage{};
    if (::wait4(pid, &status, 0, &usage) != pid)
        return cost;
    const auto end = std::chrono::steady_clock::now();
    cost.wallMs = std::chrono::duration<double, std::milli>(end - start).count();
    cost.cpuMs = Millis(usage.ru_utime) + Millis(usage.ru_stime);
    cost.faults = static_cast<double>(usage.ru_minflt + usage.ru_majflt);
    cost.maxRssMb = static_cast<double>(usage.ru_maxrss) / 1024.0;
    cost.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return cost;
}

// The two files, made once by the tool itself.
class ColdFiles {
public:
    static const ColdFiles& Get() {
        static const ColdFiles files;
        return files;
    }
    std::string large;
    std::string empty;
    const BenchFolder& Folder() const { return folder_; }
    bool ok = false;

private:
    ColdFiles() {
        large = folder_.PathOf("large.qbd");
        empty = folder_.PathOf("empty.qbd");
        ok = Run({"generate", "--rows", "10000", "--schedules", "100000", "--links", "20000",
                  "--memos", "1000", "--seed", "42", large})
                 .ok &&
             Run({"new", empty}).ok;
    }
    BenchFolder folder_;
};

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0.0 : values[values.size() / 2];
}

// arguments(file) gives the command line for one file.
template <class Arguments>
void MeasureCold(benchmark::State& state, Arguments arguments) {
    const ColdFiles& files = ColdFiles::Get();
    if (!files.ok) {
        state.SkipWithError("could not make the plans with the command-line tool");
        return;
    }
    std::vector<double> wall, cpu, faults, rss, emptyWall, emptyCpu, emptyFaults;
    for (auto _ : state) {
        const ProcessCost empty = Run(arguments(files.empty));
        const ProcessCost large = Run(arguments(files.large));
        if (!empty.ok || !large.ok) {
            state.SkipWithError("the command-line tool failed");
            return;
        }
        state.SetIterationTime(large.wallMs / 1000.0);
        wall.push_back(large.wallMs);
        cpu.push_back(large.cpuMs);
        faults.push_back(large.faults);
        rss.push_back(large.maxRssMb);
        emptyWall.push_back(empty.wallMs);
        emptyCpu.push_back(empty.cpuMs);
        emptyFaults.push_back(empty.faults);
    }
    state.counters["wall_ms"] = Median(wall);
    state.counters["cpu_ms"] = Median(cpu);
    state.counters["faults"] = Median(faults);
    state.counters["max_rss_MB"] = Median(rss);
    state.counters["empty_wall_ms"] = Median(emptyWall);
    state.counters["empty_cpu_ms"] = Median(emptyCpu);
    state.counters["extra_wall_ms"] = Median(wall) - Median(emptyWall);
    state.counters["extra_cpu_ms"] = Median(cpu) - Median(emptyCpu);
    state.counters["extra_faults"] = Median(faults) - Median(emptyFaults);
}

void BM_ColdInfo(benchmark::State& state) {
    MeasureCold(state, [](const std::string& file) {
        return std::vector<std::string>{"info", file};
    });
}
BENCHMARK(BM_ColdInfo)->Iterations(kRuns)->UseManualTime()->Unit(benchmark::kMillisecond);

// Opening the plan and searching all its texts with every folding option;
// the cost above BM_ColdInfo is the search.
void BM_ColdFindFolded(benchmark::State& state) {
    MeasureCold(state, [](const std::string& file) {
        return std::vector<std::string>{
            "find", file, "ｂ工区　１２", "--ignore-case", "--ignore-width", "--ignore-spaces"};
    });
}
BENCHMARK(BM_ColdFindFolded)->Iterations(kRuns)->UseManualTime()->Unit(benchmark::kMillisecond);

#if QB_HAVE_QT
// The path the window takes to its first paint: load, display model, layout
// and drawing of one full-HD view.
void BM_ColdRenderFullHd(benchmark::State& state) {
    const std::string picture = ColdFiles::Get().Folder().PathOf("view.png");
    MeasureCold(state, [&](const std::string& file) {
        return std::vector<std::string>{"render", file,       picture, "--width",
                                        "1920",   "--height", "1080"};
    });
}
BENCHMARK(BM_ColdRenderFullHd)->Iterations(kRuns)->UseManualTime()->Unit(benchmark::kMillisecond);
#endif

}  // namespace
}  // namespace qb
