// The edit transaction and the undo history on large projects: one shared-
// mode change end to end (take the file, reload, add, write, release), undo
// snapshots and restores, the memory ten snapshots hold, and single-mode
// edits (a changed schedule, an inserted row) from the change to the
// repainted chart.
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "CDisplayModel.h"
#include "CProjectFile.h"
#include "CSchedule.h"
#include "CStatus.h"
#include "ChartScene.h"
#include "DocumentLoader.h"
#include "EditSession.h"
#include "IDrawContext.h"
#include "InMemorySettingsStore.h"
#include "ProjectArchive.h"
#include "ProjectCopy.h"
#include "ProjectEdits.h"
#include "ProjectGenerator.h"
#include "RecordingShell.h"
#include "RowDefaults.h"
#include "RowEdits.h"
#include "ScriptedPrompt.h"
#include "UndoHistory.h"
#include "support/BenchProjects.h"
#include "support/NullDrawContext.h"

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
BENCHMARK(BM_SharedEditRoundTrip)
    ->Arg(10000)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond);

// A whole-content copy of every object, as each snapshot took it before
// snapshots shared their unchanged objects, and as a restore still does.
void BM_ContentCopy(benchmark::State& state) {
    auto project = GenerateBenchProject(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        CProject copy;
        ProjectCopy::CopyContent(*project, copy);
        benchmark::DoNotOptimize(copy.GetSchedules().GetCount());
    }
}
BENCHMARK(BM_ContentCopy)->Arg(100000)->Unit(benchmark::kMillisecond);

// The first snapshot after an open or a Clear has nothing to share.
void BM_UndoRecordFirst(benchmark::State& state) {
    auto project = GenerateBenchProject(static_cast<int>(state.range(0)));
    UndoHistory history;
    for (auto _ : state) {
        history.Clear();
        history.Record(*project);
    }
}
BENCHMARK(BM_UndoRecordFirst)->Arg(100000)->Unit(benchmark::kMillisecond);

// The usual case: one schedule changed since the last snapshot. The history
// is full after ten rounds, so the oldest snapshot is dropped each time too.
void BM_UndoRecord(benchmark::State& state) {
    auto project = GenerateBenchProject(static_cast<int>(state.range(0)));
    UndoHistory history;
    CSchedule& changed = *project->GetSchedules().At(project->GetSchedules().GetCount() / 2);
    int round = 0;
    for (auto _ : state) {
        changed.SetProgressRate(++round % 100);
        history.Record(*project);
    }
}
BENCHMARK(BM_UndoRecord)->Arg(100000)->Unit(benchmark::kMillisecond);

// One undo and one redo, each building a new project from a snapshot.
void BM_UndoAndRedo(benchmark::State& state) {
    auto current = GenerateBenchProject(static_cast<int>(state.range(0)));
    UndoHistory history;
    ScriptedPrompt prompt;
    history.Record(*current);
    current->GetSchedules().At(0)->SetCaption("changed");
    for (auto _ : state) {
        for (bool undo : {true, false}) {
            auto fresh = std::make_unique<CProject>();
            if (!(undo ? history.Undo(*current, *fresh, prompt)
                       : history.Redo(*current, *fresh, prompt))) {
                state.SkipWithError("nothing to undo or redo");
                return;
            }
            current = std::move(fresh);
        }
    }
}
BENCHMARK(BM_UndoAndRedo)->Arg(100000)->Unit(benchmark::kMillisecond);

// A generated project open in single mode, shown in a 1400x900 chart pane
// scrolled to the middle of its rows: what a single-mode edit is measured on.
class EditBench {
public:
    explicit EditBench(int schedules) : status_(store_, prompt_, shell_, AppEnvironment{}) {
        status_.Doc().Open(GenerateBenchProject(schedules), nullptr, {});
        scene_.Open(Project());
        scene_.SetSize(ChartScene::kDefaultHeaderWidth + 1400, 900);
        scene_.SetPeriod(COleDateTime(2024, 10, 1, 0, 0, 0), COleDateTime(2025, 1, 1, 0, 0, 0), 0);
        scene_.SetTop(scene_.TotalHeight() / 2);
    }

    CStatus& Status() { return status_; }
    CProject& Project() { return *status_.GetProject(); }
    // The model rebuilt from the project, laid out and the chart painted.
    void Repaint() {
        scene_.GetModel().Rebuild(Project());
        scene_.Relayout();
        scene_.PaintChart(dc_);
    }

private:
    InMemorySettingsStore store_;
    ScriptedPrompt prompt_;
    RecordingShell shell_;
    CStatus status_;
    ChartScene scene_;
    NullDrawContext dc_;
};

// What follows the release of the mouse after a single-mode edit: the change
// through the edit transaction (with its undo snapshot), the display model
// rebuilt and laid out, and one paint of a 1400x900 chart pane.
void BM_EditToRepaint(benchmark::State& state) {
    EditBench bench(static_cast<int>(state.range(0)));
    CStatus& status = bench.Status();
    CProject& project = bench.Project();
    ProjectEdits edits(status.Doc(), status.Edit(), status.Services());
    const std::int32_t target =
        project.GetSchedules().At(project.GetSchedules().GetCount() / 2)->GetObjectId();
    const bool repaint = state.range(1) != 0;
    int round = 0;
    for (auto _ : state) {
        const std::string caption = "edit " + std::to_string(++round);
        if (!edits.SetProperties(target, {{"caption", caption}}).ok) {
            state.SkipWithError("edit failed");
            return;
        }
        if (!repaint)
            continue;
        bench.Repaint();
    }
    state.SetLabel(repaint ? "edit and repaint" : "edit alone");
    state.counters["undo_steps"] = static_cast<double>(status.Undo().UndoCount());
}
BENCHMARK(BM_EditToRepaint)
    ->Args({100000, 1})
    ->Args({100000, 0})
    ->Args({1000000, 1})
    ->Unit(benchmark::kMillisecond);

// A row dialog confirmed: the row with the project's defaults inserted above
// a row in the middle of the tree (undo snapshot included), then the model
// rebuilt, laid out and the chart painted.
void BM_InsertRowToRepaint(benchmark::State& state) {
    EditBench bench(static_cast<int>(state.range(0)));
    CStatus& status = bench.Status();
    CProject& project = bench.Project();
    const int middle = project.GetRows().GetCount() / 2;
    const bool repaint = state.range(1) != 0;
    for (auto _ : state) {
        const auto values = RowDefaults::Prepare(project, "新しい段", 40);
        if (!status.RowEdit().InsertRow(*values, CData::kNoObject, middle).ok) {
            state.SkipWithError("insertion failed");
            return;
        }
        if (!repaint)
            continue;
        bench.Repaint();
    }
    state.SetLabel(repaint ? "insert and repaint" : "insert alone");
    state.counters["rows"] = static_cast<double>(project.GetRows().GetCount());
}
BENCHMARK(BM_InsertRowToRepaint)
    ->Args({100000, 1})
    ->Args({100000, 0})
    ->Unit(benchmark::kMillisecond);

// The sweep every single-step change runs after taking the file (in single
// mode too, where nothing was reloaded).
void BM_ConsistencySweep(benchmark::State& state) {
    InMemorySettingsStore store;
    ScriptedPrompt prompt;
    RecordingShell shell;
    CStatus status(store, prompt, shell, AppEnvironment{});
    status.Doc().Open(GenerateBenchProject(static_cast<int>(state.range(0))), nullptr, {});
    for (auto _ : state)
        status.Edit().ConsistencySweep();
}
BENCHMARK(BM_ConsistencySweep)->Arg(100000)->Unit(benchmark::kMillisecond);

// The parts of the above after the change, to see where the time goes.
void BM_RebuildLayoutPaint(benchmark::State& state) {
    auto project = GenerateBenchProject(static_cast<int>(state.range(0)));
    ChartScene scene;
    scene.Open(*project);
    scene.SetSize(ChartScene::kDefaultHeaderWidth + 1400, 900);
    scene.SetPeriod(COleDateTime(2024, 10, 1, 0, 0, 0), COleDateTime(2025, 1, 1, 0, 0, 0), 0);
    scene.SetTop(scene.TotalHeight() / 2);
    NullDrawContext dc;
    const int part = static_cast<int>(state.range(1));
    for (auto _ : state) {
        if (part == 0)
            scene.GetModel().Rebuild(*project);
        if (part == 1)
            scene.Relayout();
        if (part == 2)
            scene.PaintChart(dc);
    }
    state.SetLabel(part == 0 ? "rebuild" : part == 1 ? "layout" : "paint");
}
BENCHMARK(BM_RebuildLayoutPaint)
    ->Args({100000, 0})
    ->Args({100000, 1})
    ->Args({100000, 2})
    ->Unit(benchmark::kMillisecond);

void BM_TenUndoStepsMemory(benchmark::State& state) {
    auto project = GenerateBenchProject(static_cast<int>(state.range(0)));
    double rss = 0;
    double heap = 0;
    for (auto _ : state) {
        const double rssBefore = ResidentBytes();
        const double heapBefore = HeapBytes();
        // Each step after a change of one schedule, as edits make them.
        UndoHistory history;
        for (std::size_t i = 0; i < UndoHistory::kMaxSteps; ++i) {
            project->GetSchedules().At(static_cast<int>(i) * 1000)->SetProgressRate(50);
            history.Record(*project);
        }
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
