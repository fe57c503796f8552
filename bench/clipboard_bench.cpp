// The clipboard blocks: 10,000 selected schedules of a 100k project written
// and read as the objects block, and the largest top-level row of it as the
// rows block.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "AppEnvironment.h"
#include "CCommandHandler.h"
#include "CDisplayModel.h"
#include "CGuiSchedule.h"
#include "CRow.h"
#include "CStatus.h"
#include "ChartScene.h"
#include "CommandIds.h"
#include "InMemorySettingsStore.h"
#include "NullDocumentView.h"
#include "ObjectClipboardStream.h"
#include "ProjectCopy.h"
#include "RecordingShell.h"
#include "RowClipboardStream.h"
#include "ScriptedPrompt.h"
#include "support/BenchProjects.h"

namespace qb {
namespace {

constexpr int kSelected = 10000;

struct Selection {
    std::unique_ptr<CProject> project;
    std::vector<const CData*> objects;
    std::vector<DrawPoint> positions;
    std::string block;
    std::int32_t widestRow = CData::kNoObject;
};

int BranchSize(const CRow& row) {
    int size = 1;
    row.GetChildren().ForEach([&](CRow& child) { size += BranchSize(child); });
    return size;
}

// Built once: generating is not what is measured.
const Selection& TheSelection() {
    static Selection selection;
    if (selection.project)
        return selection;
    selection.project = GenerateBenchProject(100000);
    selection.project->GetSchedules().ForEach([&](CSchedule& schedule) {
        if (static_cast<int>(selection.objects.size()) < kSelected) {
            selection.objects.push_back(&schedule);
            selection.positions.push_back({static_cast<int>(selection.objects.size()), 20});
        }
    });
    selection.block = ObjectClipboardStream::Write(selection.objects, selection.positions);
    int widest = 0;
    selection.project->GetRows().ForEach([&](CRow& row) {
        if (const int size = BranchSize(row); size > widest) {
            widest = size;
            selection.widestRow = row.GetObjectId();
        }
    });
    return selection;
}

void BM_WriteObjectBlock(benchmark::State& state) {
    const Selection& selection = TheSelection();
    for (auto _ : state)
        benchmark::DoNotOptimize(
            ObjectClipboardStream::Write(selection.objects, selection.positions));
    state.counters["bytes"] = static_cast<double>(selection.block.size());
}
BENCHMARK(BM_WriteObjectBlock)->Unit(benchmark::kMillisecond);

void BM_ReadObjectBlock(benchmark::State& state) {
    const Selection& selection = TheSelection();
    for (auto _ : state)
        benchmark::DoNotOptimize(ObjectClipboardStream::Read(selection.block));
}
BENCHMARK(BM_ReadObjectBlock)->Unit(benchmark::kMillisecond);

void BM_WriteRowBlock(benchmark::State& state) {
    const Selection& selection = TheSelection();
    std::string block;
    for (auto _ : state) {
        block = RowClipboardStream::Write(*selection.project, selection.widestRow);
        benchmark::DoNotOptimize(block);
    }
    state.counters["bytes"] = static_cast<double>(block.size());
}
BENCHMARK(BM_WriteRowBlock)->Unit(benchmark::kMillisecond);

void BM_ReadRowBlock(benchmark::State& state) {
    const Selection& selection = TheSelection();
    const std::string block = RowClipboardStream::Write(*selection.project, selection.widestRow);
    ErrorSlot error;
    for (auto _ : state)
        benchmark::DoNotOptimize(RowClipboardStream::Read(block, error));
}
BENCHMARK(BM_ReadRowBlock)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace qb

// The commands on the window's chart: the same 10,000 schedules selected on
// the 100k project, copied to the clipboard, and pasted with the step, the
// rebuild of the chart and the new selection.
namespace qb {
namespace {

class BenchWindow : public NullDocumentView {
public:
    ChartScene* GetChartScene() override { return &scene; }
    std::optional<DrawPoint> PastePoint() const override { return DrawPoint{0, 0}; }

    ChartScene scene;
};

struct ChartSession {
    InMemorySettingsStore store;
    ScriptedPrompt prompt;
    RecordingShell shell;
    CStatus status{store, prompt, shell, AppEnvironment{}};
    BenchWindow window;

    ChartSession() {
        status.SetView(&window);
        status.Commands().Execute(cmd::kNew);
        ProjectCopy::CopyContent(*TheSelection().project, *status.GetProject());
        status.SetViewMode(CStatus::kMonthView);
        ChartScene& scene = window.scene;
        scene.Open(*status.GetProject());
        scene.SetSize(1400, 900);
        COleDateTime from;
        COleDateTime to;
        scene.DefaultPeriod(from, to);
        scene.SetPeriod(from, to, 0.0);
        // The first 10,000 shown: a folded row's schedules cannot be copied.
        std::vector<std::int32_t> ids;
        const CGuiScheduleArray& schedules = scene.GetModel().GetSchedules();
        for (std::size_t i = 0; i < schedules.Size() && static_cast<int>(ids.size()) < kSelected;
             ++i) {
            if (schedules.Base(i)->IsVisible())
                ids.push_back(schedules.Base(i)->GetObjectId());
        }
        scene.GetModel().SelectMany(ids);
    }
    ~ChartSession() { status.SetView(nullptr); }
};

void BM_CopyCommand(benchmark::State& state) {
    ChartSession session;
    for (auto _ : state) {
        if (!session.status.Commands().Execute(cmd::kCopy)) {
            const auto& shown = session.prompt.Shown();
            state.SkipWithError(shown.empty() ? "copy failed" : shown.back().text.c_str());
            return;
        }
    }
}
BENCHMARK(BM_CopyCommand)->Unit(benchmark::kMillisecond);

void BM_PasteCommand(benchmark::State& state) {
    ChartSession session;
    session.status.Commands().Execute(cmd::kCopy);
    for (auto _ : state) {
        if (!session.status.Commands().Execute(cmd::kPaste)) {
            state.SkipWithError("paste failed");
            return;
        }
    }
}
// Each round adds 10,000 schedules: a few rounds keep the project near 100k.
BENCHMARK(BM_PasteCommand)->Iterations(5)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace qb
