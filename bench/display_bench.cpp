// Rebuilding and laying out the display model, and painting one full-HD view
// of it: paint cost must stay flat however large the project grows.
#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <unordered_map>

#include "CDisplayModel.h"
#include "CLink.h"
#include "CLinkArray.h"
#include "CRuler.h"
#include "CSchedule.h"
#include "CScheduleArray.h"
#include "CalendarSettings.h"
#include "ChartPainter.h"
#include "DisplaySettings.h"
#include "GuiDrawArgs.h"
#include "HeapAdvice.h"
#include "IDrawContext.h"
#include "ProjectGenerator.h"
#include "RowPanePainter.h"
#include "support/BenchProjects.h"
#include "support/NullDrawContext.h"

namespace qb {
namespace {

// Generating a million schedules takes longer than the measurements. The
// heap is set up as the programs set it up at start, before the plan is made.
CProject& CachedProject(int schedules) {
    HeapAdvice::UseHugePages();
    static std::map<int, std::unique_ptr<CProject>> projects;
    auto& project = projects[schedules];
    if (!project)
        project = GenerateBenchProject(schedules);
    return *project;
}

// The generator links schedules anywhere in the project, so the number of
// links crossing any one view grows with the project: a million schedules
// put several times more links into the same view than a hundred thousand.
// To compare like with like, painting uses a project whose links (as many,
// schedules / 5) join each schedule to the one before it on the same row, as
// links in a real schedule join nearby work.
CProject& CachedNearLinkProject(int schedules) {
    static std::map<int, std::unique_ptr<CProject>> projects;
    auto& project = projects[schedules];
    if (project)
        return *project;
    ProjectGenerator::Options options;
    options.schedules = schedules;
    options.rows = schedules / 10;
    options.memos = schedules / 50;
    project = ProjectGenerator::Generate(options);
    std::unordered_map<std::int32_t, std::int32_t> lastOnRow;
    const int wanted = schedules / 5;
    int made = 0;
    int serial = 0;
    project->GetSchedules().ForEach([&](CSchedule& schedule) {
        auto [last, first] = lastOnRow.try_emplace(schedule.GetRowObjectId(), 0);
        if (!first && serial++ % 4 == 0 && made < wanted) {
            auto link = std::make_unique<CLink>(project->NewObjectId());
            link->SetFromId(last->second);
            link->SetToId(schedule.GetObjectId());
            link->SetFromHorzPosition(2);
            link->SetToHorzPosition(0);
            link->SetToEndStyle(1);
            project->GetLinks().Add(std::move(link));
            ++made;
        }
        last->second = schedule.GetObjectId();
    });
    return *project;
}

// Three months over 1920 pixels, as a chart window shows them.
struct ChartRuler {
    ChartRuler() : ChartRuler(COleDateTime(2024, 1, 1, 0, 0, 0)) {}
    // The three months from first.
    explicit ChartRuler(const COleDateTime& first) {
        ruler.SetView(1920, first, first.AddDays(90));
        ruler.SetUnits(CRuler::Band::upper, kRulerMonth, 0);
        ruler.SetUnits(CRuler::Band::lower, kRulerDay, 0);
        ruler.Rebuild();
    }
    CalendarSettings calendar;
    CRuler ruler{calendar};
};

ChartContext ChartOf(const CRuler& ruler) {
    ChartContext chart;
    chart.ruler = &ruler;
    chart.headerWidth = 240;
    return chart;
}

// The row tree alone: rows = schedules / 10, no other objects.
void BM_RebuildAndLayoutRowsOnly(benchmark::State& state) {
    ProjectGenerator::Options options;
    options.rows = static_cast<int>(state.range(0)) / 10;
    options.schedules = 0;
    auto project = ProjectGenerator::Generate(options);
    ChartRuler chart;
    CDisplayModel model;
    for (auto _ : state) {
        model.Rebuild(*project);
        model.Layout(ChartOf(chart.ruler));
        benchmark::DoNotOptimize(model.TotalHeight());
    }
}
BENCHMARK(BM_RebuildAndLayoutRowsOnly)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_RebuildAndLayout(benchmark::State& state) {
    CProject& project = CachedProject(static_cast<int>(state.range(0)));
    ChartRuler chart;
    CDisplayModel model;
    for (auto _ : state) {
        model.Rebuild(project);
        model.Layout(ChartOf(chart.ruler));
        benchmark::DoNotOptimize(model.TotalHeight());
    }
    state.counters["rows"] = static_cast<double>(model.GetLineRows().size());
}
BENCHMARK(BM_RebuildAndLayout)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// What the chart does after an edit: one schedule changed (a day later, then
// back), the model rebuilt and laid out. The rest of the plan is as it was.
void BM_EditRebuildAndLayout(benchmark::State& state) {
    CProject& project = CachedProject(static_cast<int>(state.range(0)));
    ChartRuler chart;
    CDisplayModel model;
    model.Rebuild(project);
    model.Layout(ChartOf(chart.ruler));
    CSchedule& edited = *project.GetSchedules().At(project.GetSchedules().GetCount() / 2);
    int step = 1;
    for (auto _ : state) {
        edited.SetStartDate(edited.GetStartDate().AddDays(step));
        step = -step;
        model.Rebuild(project);
        model.Layout(ChartOf(chart.ruler));
        benchmark::DoNotOptimize(model.TotalHeight());
    }
}
BENCHMARK(BM_EditRebuildAndLayout)
    ->Arg(10000)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond);

// Every schedule new to the model, as after opening a plan or reading a
// shared one again: nothing of the last build can be kept.
void BM_FreshRebuildAndLayout(benchmark::State& state) {
    CProject& project = CachedProject(static_cast<int>(state.range(0)));
    ChartRuler chart;
    for (auto _ : state) {
        CDisplayModel model;
        model.Rebuild(project);
        model.Layout(ChartOf(chart.ruler));
        benchmark::DoNotOptimize(model.TotalHeight());
        state.PauseTiming();
        model.Clear();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_FreshRebuildAndLayout)->Arg(100000)->Unit(benchmark::kMillisecond);

// The two halves of the above, to see where the time goes.
void BM_RebuildOnly(benchmark::State& state) {
    CProject& project = CachedProject(static_cast<int>(state.range(0)));
    CDisplayModel model;
    for (auto _ : state) {
        model.Rebuild(project);
        benchmark::DoNotOptimize(model.GetSchedules().Size());
    }
}
BENCHMARK(BM_RebuildOnly)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_LayoutOnly(benchmark::State& state) {
    CProject& project = CachedProject(static_cast<int>(state.range(0)));
    ChartRuler chart;
    CDisplayModel model;
    model.Rebuild(project);
    for (auto _ : state) {
        model.Layout(ChartOf(chart.ruler));
        benchmark::DoNotOptimize(model.TotalHeight());
    }
}
BENCHMARK(BM_LayoutOnly)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

// A 1920x1080 view scrolled to the middle of the chart, in the project's
// first year (the generated schedules start on 1 April 2024), so that it
// shows schedules, memos and links and not only the rows.
void BM_PaintView(benchmark::State& state) {
    CProject& project = CachedNearLinkProject(static_cast<int>(state.range(0)));
    ChartRuler chart(COleDateTime(2024, 10, 1, 0, 0, 0));
    CDisplayModel model;
    model.Rebuild(project);
    model.Layout(ChartOf(chart.ruler));
    DisplaySettings settings;
    ChartContext context = ChartOf(chart.ruler);
    context.model = &model;
    context.display = &settings;
    context.calendar = &chart.calendar;
    context.today = COleDateTime(2024, 2, 1, 0, 0, 0);
    ChartView view;
    view.width = 1920;
    view.height = 1080;
    view.scroll = DrawPoint{0, model.TotalHeight() / 2};
    NullDrawContext dc;
    const GuiDrawArgs rowArgs{context,
                              DrawRect{0, view.scroll.y, 240, view.scroll.y + view.height}};
    const DrawRect chartArea{0, view.scroll.y, view.width, view.scroll.y + view.height};
    for (auto _ : state) {
        ChartPainter::Paint(dc, context, view);
        RowPanePainter::Paint(dc, model, rowArgs);
    }
    // Like with like: the views of both sizes should hold about as many objects.
    int objects = 0;
    auto count = [&objects](CGuiObject&) { ++objects; };
    model.ScheduleIndex().ForEachOverlapping(chartArea, 0, count);
    model.MemoIndex().ForEachOverlapping(chartArea, 0, count);
    model.LinkIndex().ForEachOverlapping(chartArea, 0, count);
    state.counters["objects"] = objects;
    state.counters["calls"] =
        static_cast<double>(dc.calls) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_PaintView)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace qb
