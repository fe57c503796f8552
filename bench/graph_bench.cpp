// The load graph under a full-HD chart of a large project: the recompute
// that follows every scroll, the one that follows an edit or a zoom (the
// schedules placed again), and painting the strip.
#include <benchmark/benchmark.h>

#include <map>
#include <memory>

#include "CDisplayModel.h"
#include "CRuler.h"
#include "CalendarSettings.h"
#include "ChartContext.h"
#include "LoadGraph.h"
#include "LoadGraphPainter.h"
#include "support/BenchProjects.h"
#include "support/NullDrawContext.h"

namespace qb {
namespace {

constexpr int kWidth = 1920;

// A project laid out on three months over 1920 pixels, in its first year
// (the generated schedules start on 1 April 2024).
struct GraphChart {
    explicit GraphChart(int schedules) : project(GenerateBenchProject(schedules)) {
        const COleDateTime first(2024, 10, 1, 0, 0, 0);
        ruler.SetView(kWidth, first, first.AddDays(365));
        ruler.SetWidth(kWidth);
        ruler.Rebuild();
        ChartContext chart;
        chart.ruler = &ruler;
        chart.headerWidth = 240;
        model.Rebuild(*project);
        model.Layout(chart);
    }
    std::unique_ptr<CProject> project;
    CalendarSettings calendar;
    CRuler ruler{calendar};
    CDisplayModel model;
};

GraphChart& CachedChart(int schedules) {
    static std::map<int, std::unique_ptr<GraphChart>> charts;
    auto& chart = charts[schedules];
    if (!chart)
        chart = std::make_unique<GraphChart>(schedules);
    return *chart;
}

// Each iteration scrolls by one arrow step and recomputes, as the window does.
void BM_LoadGraphAfterScroll(benchmark::State& state) {
    GraphChart& chart = CachedChart(static_cast<int>(state.range(0)));
    LoadGraph graph;
    graph.Recompute(chart.model, chart.ruler, false);
    int step = 0;
    for (auto _ : state) {
        chart.ruler.SetScrollPosition((step++ % 200) * 20);
        benchmark::DoNotOptimize(graph.Recompute(chart.model, chart.ruler, false));
    }
    chart.ruler.SetScrollPosition(0);
}
BENCHMARK(BM_LoadGraphAfterScroll)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);

// After an edit or a zoom every schedule is placed again.
void BM_LoadGraphAfterEdit(benchmark::State& state) {
    GraphChart& chart = CachedChart(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        LoadGraph graph;
        benchmark::DoNotOptimize(graph.Recompute(chart.model, chart.ruler, state.range(1) != 0));
    }
}
BENCHMARK(BM_LoadGraphAfterEdit)
    ->Args({10000, 0})
    ->Args({100000, 0})
    ->Args({100000, 1})
    ->Unit(benchmark::kMicrosecond);

void BM_LoadGraphPaintStrip(benchmark::State& state) {
    GraphChart& chart = CachedChart(100000);
    LoadGraph graph;
    const LoadBuffer* buffer = graph.Recompute(chart.model, chart.ruler, false);
    const RulerRow& lower = chart.ruler.GetRow(CRuler::Band::lower);
    const LoadGraphPainter painter(LoadGraphSettings{}, LoadGraphStyle{});
    NullDrawContext dc;
    for (auto _ : state) {
        painter.PaintStrip(dc, DrawRect{0, 0, kWidth, 51}, buffer, lower.boundaries);
        painter.PaintScale(dc, DrawRect{0, 0, 40, 51});
    }
}
BENCHMARK(BM_LoadGraphPaintStrip)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace qb
