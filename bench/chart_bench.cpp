// One mouse move of a running drag on a large chart: the preview must touch
// only the temporary objects, however large the project.
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "AppSettings.h"
#include "CCanvas.h"
#include "CDisplayModel.h"
#include "CGuiSchedule.h"
#include "CRuler.h"
#include "CStatus.h"
#include "ChartScene.h"
#include "IChartEdits.h"
#include "InMemorySettingsStore.h"
#include "RecordingShell.h"
#include "ScriptedPrompt.h"
#include "support/BenchProjects.h"

namespace qb {
namespace {

// The drags never end, so nothing is written.
class NoEdits : public IChartEdits {
public:
    EditResult AddObject(const CData&) override { return EditResult::Failed(); }
    EditResult ChangeObjects(const std::vector<const CData*>&) override {
        return EditResult::Failed();
    }
    EditResult CopyObjects(const std::vector<const CData*>&) override {
        return EditResult::Failed();
    }
    EditResult DeleteObjects(const std::vector<std::int32_t>&) override {
        return EditResult::Failed();
    }
    EditResult MoveSchedule(const CData&, bool) override { return EditResult::Failed(); }
};

// 100,000 schedules on 10,000 rows in a full-HD window.
class BigChart {
public:
    BigChart() : status(store, prompt, shell, AppEnvironment{}), canvas(status, scene, edits) {
        status.Services().Settings().fitX = true;
        status.Services().Settings().fitY = true;
        status.Doc().Open(GenerateBenchProject(100000), nullptr, {});
        scene.SetSize(1920, 1080);
        scene.Open(*status.GetProject());
        COleDateTime from;
        COleDateTime to;
        scene.DefaultPeriod(from, to);
        scene.SetPeriod(from, to, 10.0);
        scene.Relayout();
    }

    // Selects count visible bars, scrolls the first into view and presses
    // on it; the point pressed, in pane pixels.
    DrawPoint PressOnSelection(std::size_t count) {
        CDisplayModel& model = scene.GetModel();
        const auto& schedules = model.GetSchedules();
        std::vector<CGuiSchedule*> picked;
        for (std::size_t i = 0; i < schedules.Size() && picked.size() < count; ++i) {
            CGuiSchedule* schedule = schedules.At(i);
            if (schedule->IsVisible() && !schedule->GetFields().IsPoint() &&
                schedule->GetRect().Width() > 20)
                picked.push_back(schedule);
        }
        model.ClearSelection();
        for (CGuiSchedule* schedule : picked)
            model.Select(schedule->GetObjectId(), true);
        const GuiRect rect = picked.front()->GetRect();
        scene.SetTop(rect.top - 200);
        scene.SetLeft(rect.left - 200);
        const int id = picked.front()->GetObjectId();
        const GuiRect shown = model.FindObject(id)->GetRect();
        const DrawPoint press{shown.left + 10 - scene.GetRuler().GetScrollPosition(),
                              shown.top + shown.Height() / 2 - scene.GetTop()};
        CanvasInput input;
        input.point = press;
        canvas.LeftDown(input);
        return press;
    }

    InMemorySettingsStore store;
    ScriptedPrompt prompt;
    RecordingShell shell;
    CStatus status;
    ChartScene scene;
    NoEdits edits;
    CCanvas canvas;
};

void MoveDrag(benchmark::State& state, std::size_t count) {
    BigChart chart;
    const DrawPoint press = chart.PressOnSelection(count);
    CanvasInput input;
    int step = 0;
    for (auto _ : state) {
        step = (step + 7) % 300;
        input.point = DrawPoint{press.x + 20 + step, press.y + step / 3};
        benchmark::DoNotOptimize(chart.canvas.MouseMove(input));
    }
    if (!chart.canvas.IsGestureRunning())
        state.SkipWithError("the drag did not start");
}

void BM_DragOneBar(benchmark::State& state) {
    MoveDrag(state, 1);
}
BENCHMARK(BM_DragOneBar)->Unit(benchmark::kMillisecond);

void BM_DragThousandBars(benchmark::State& state) {
    MoveDrag(state, 1000);
}
BENCHMARK(BM_DragThousandBars)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace qb
