// The edit transaction and the undo history on large projects: one shared-
// mode change end to end (take the file, reload, add, write, release), one
// undo snapshot, and the memory ten snapshots hold.
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "CProjectFile.h"
#include "CStatus.h"
#include "DocumentLoader.h"
#include "InMemorySettingsStore.h"
#include "ProjectArchive.h"
#include "ProjectEdits.h"
#include "ProjectGenerator.h"
#include "RecordingShell.h"
#include "ScriptedPrompt.h"
#include "UndoHistory.h"
#include "support/BenchProjects.h"

namespace qb {
namespace {

namespace fs = std::filesystem;

// Resident memory of this process in bytes.
double ResidentBytes() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0;
    long resident = 0;
    statm >> pages >> resident;
    return static_cast<double>(resident) * static_cast<double>(::sysconf(_SC_PAGESIZE));
}

// Heap bytes in use, which unlike the resident size does not hide growth
// behind pages an earlier benchmark freed.
double HeapBytes() {
    const struct mallinfo2 info = ::mallinfo2();
    return static_cast<double>(info.uordblks + info.hblkhd);
}

void BM_SharedEditRoundTrip(benchmark::State& state) {
    BenchFolder folder;
    const std::string path = folder.PathOf("shared.qbd");
    {
        auto project = GenerateBenchProject(static_cast<int>(state.range(0)));
        project->SetShared(true);
        CProjectFile file(path);
        if (!file.Save(project.get(), true)) {
            state.SkipWithError("cannot write the project");
            return;
        }
    }
    InMemorySettingsStore store;
    ScriptedPrompt prompt;
    RecordingShell shell;
    CStatus status(store, prompt, shell, AppEnvironment{});
    status.Services().Settings().userName = "bench";
    DocumentLoader::Result loaded = DocumentLoader::Load(path, OpenRetryPolicy{}, false);
    if (!loaded.project) {
        state.SkipWithError("cannot read the project");
        return;
    }
    status.Doc().Open(std::move(loaded.project), std::move(loaded.accessor), path);
    const std::int32_t row = status.GetProject()->GetRows().At(0)->GetObjectId();
    const DateOffset start(COleDateTime(2026, 4, 1, 0, 0, 0), 0);
    const DateOffset end(COleDateTime(2026, 4, 5, 0, 0, 0), 9999);
    ProjectEdits edits(status.Doc(), status.Edit(), status.Services());
    for (auto _ : state) {
        if (!edits.AddSchedule(row, start, end, "bench").ok) {
            state.SkipWithError("edit failed");
            return;
        }
    }
}
BENCHMARK(BM_SharedEditRoundTrip)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_UndoRecord(benchmark::State& state) {
    auto project = GenerateBenchProject(static_cast<int>(state.range(0)));
    UndoHistory history;
    for (auto _ : state)
        history.Record(*project);
}
BENCHMARK(BM_UndoRecord)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_TenUndoStepsMemory(benchmark::State& state) {
    auto project = GenerateBenchProject(static_cast<int>(state.range(0)));
    double rss = 0;
    double heap = 0;
    for (auto _ : state) {
        const double rssBefore = ResidentBytes();
        const double heapBefore = HeapBytes();
        UndoHistory history;
        for (std::size_t i = 0; i < UndoHistory::kMaxSteps; ++i)
            history.Record(*project);
        rss = ResidentBytes() - rssBefore;
        heap = HeapBytes() - heapBefore;
        benchmark::DoNotOptimize(history.UndoCount());
    }
    constexpr double kMegabyte = 1024.0 * 1024.0;
    state.counters["rss_growth_MB"] = rss / kMegabyte;
    state.counters["heap_growth_MB"] = heap / kMegabyte;
}
BENCHMARK(BM_TenUndoStepsMemory)->Arg(100000)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace qb
