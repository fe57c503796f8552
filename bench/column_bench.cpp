// The column area: filtering the rows by a column, painting the header and
// the cells of a full-HD view, and building the computed cell texts.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "CColumn.h"
#include "CColumnArray.h"
#include "CDisplayModel.h"
#include "CGuiRow.h"
#include "CProject.h"
#include "CRow.h"
#include "CRowArray.h"
#include "ColumnPanePainter.h"
#include "GuiDrawArgs.h"
#include "ProjectGenerator.h"
#include "support/NullDrawContext.h"

namespace qb {
namespace {

constexpr int kRows = 10000;
constexpr int kSchedules = 100000;
constexpr int kGroups = 20;

void AddColumn(CProject& project, const std::string& caption, int kind) {
    auto column = std::make_unique<CColumn>(project.NewObjectId());
    column->SetCaption(caption);
    column->SetWidth(80);
    column->SetParamInt("_Auto", kind);
    project.GetColumns().Add(std::move(column));
}

void SetTexts(CRowArray& rows, const std::string& name, int& serial) {
    rows.ForEach([&](CRow& row) {
        row.SetParam(name, "group " + std::to_string(serial++ % kGroups));
        SetTexts(row.GetChildren(), name, serial);
    });
}

// 10k rows and 100k schedules with a free-text column of twenty values and
// computed columns of start, end, caption and the latest end.
CProject& ColumnProject() {
    static std::unique_ptr<CProject> project;
    if (project)
        return *project;
    ProjectGenerator::Options options;
    options.rows = kRows;
    options.schedules = kSchedules;
    project = ProjectGenerator::Generate(options);
    AddColumn(*project, "text", 0);
    const std::string name = "_c" + std::to_string(project->GetLastObjectId());
    int serial = 0;
    SetTexts(project->GetRows(), name, serial);
    AddColumn(*project, "start", 1);
    AddColumn(*project, "end", 2);
    AddColumn(*project, "caption", 5);
    AddColumn(*project, "latest", 9);
    return *project;
}

ChartContext RowsOnly() {
    ChartContext chart;
    chart.headerWidth = 200;
    return chart;
}

std::int32_t TextColumnId(const CDisplayModel& model) {
    return model.GetColumns().At(0)->GetObjectId();
}

// From the filter dialog's OK to a model ready to paint.
void BM_ApplyColumnFilter(benchmark::State& state) {
    CDisplayModel model;
    model.Rebuild(ColumnProject());
    model.Layout(RowsOnly());
    int value = 0;
    for (auto _ : state) {
        model.Filters().Set(TextColumnId(model), {"group " + std::to_string(value++ % kGroups)});
        model.ApplyFilters();
        model.Layout(RowsOnly());
        benchmark::DoNotOptimize(model.TotalHeight());
    }
}
BENCHMARK(BM_ApplyColumnFilter)->Unit(benchmark::kMillisecond);

void BM_ApplyColumnFilterOnly(benchmark::State& state) {
    CDisplayModel model;
    model.Rebuild(ColumnProject());
    model.Filters().Set(TextColumnId(model), {"group 3", "group 7"});
    for (auto _ : state)
        model.ApplyFilters();
}
BENCHMARK(BM_ApplyColumnFilterOnly)->Unit(benchmark::kMillisecond);

// Header and cells of a 1920x1080 window scrolled into the middle rows.
void BM_PaintColumnArea(benchmark::State& state) {
    CDisplayModel model;
    model.Rebuild(ColumnProject());
    const ChartContext chart = [&model] {
        ChartContext context = RowsOnly();
        context.model = &model;
        return context;
    }();
    model.Layout(chart);
    const int top = model.TotalHeight() / 2;
    NullDrawContext dc;
    long long frames = 0;
    for (auto _ : state) {
        ++frames;
        ColumnPanePainter::PaintHeader(dc, model, GuiDrawArgs{chart, DrawRect{0, 0, 400, 40}});
        ColumnPanePainter::PaintCells(dc, model,
                                      GuiDrawArgs{chart, DrawRect{0, top, 400, top + 1040}});
    }
    state.counters["calls"] = static_cast<double>(dc.calls) / static_cast<double>(frames);
}
BENCHMARK(BM_PaintColumnArea)->Unit(benchmark::kMicrosecond);

// A rebuild with the computed columns, against one with none (Arg 0).
void BM_RebuildWithColumns(benchmark::State& state) {
    CProject& project = ColumnProject();
    if (state.range(0) == 0)
        project.GetColumns().ForEach([](CColumn& column) { column.SetDeleted(true); });
    CDisplayModel model;
    for (auto _ : state)
        model.Rebuild(project);
    project.GetColumns().ForEach([](CColumn& column) { column.SetDeleted(false); });
}
BENCHMARK(BM_RebuildWithColumns)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace qb
