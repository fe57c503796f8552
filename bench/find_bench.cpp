// Find and replace over a large plan: the search with every option on, the
// replace-all of ten thousand matches with its transaction, undo snapshot
// and the rebuild of the chart, and the width folding alone.
#include <benchmark/benchmark.h>

#include <string>

#include "CDisplayModel.h"
#include "CDrawPartArray.h"
#include "CMemo.h"
#include "CScheduleArray.h"
#include "CStatus.h"
#include "ChartScene.h"
#include "EditSession.h"
#include "InMemorySettingsStore.h"
#include "ObjectFinder.h"
#include "RecordingShell.h"
#include "ScriptedPrompt.h"
#include "TextMatcher.h"
#include "TextReplacer.h"
#include "support/BenchProjects.h"

namespace qb {
namespace {

// Texts as people type them, in both widths; every tenth schedule holds
// "鉄骨" in its caption.
std::unique_ptr<CProject> FindProject(int schedules, int memos) {
    ProjectGenerator::Options options;
    options.schedules = schedules;
    options.rows = schedules / 10;
    options.memos = memos;
    auto project = ProjectGenerator::Generate(options);
    int n = 0;
    project->GetSchedules().ForEach([&n](CSchedule& schedule) {
        const std::string number = std::to_string(n);
        schedule.SetCaption((n % 10 == 0 ? "鉄骨建方 Ｂ工区 " : "ｺﾝｸﾘｰﾄ打設 ａ工区 ") + number);
        schedule.SetRemark("型枠　解体後 Check " + number);
        ++n;
    });
    project->GetDrawParts().ForEach([&n](CDrawPart& part) {
        if (part.GetType() == CData::kMemo)
            static_cast<CMemo&>(part).SetText("ガス配管の確認 No." + std::to_string(n++));
    });
    return project;
}

FindOptions AllOptions() {
    return FindOptions{true, true, true, true, true, true, false};
}

void OpenChart(ChartScene& chart, CProject& project) {
    chart.Open(project);
    chart.SetSize(1200, 800);
    COleDateTime from;
    COleDateTime to;
    if (chart.DefaultPeriod(from, to))
        chart.SetPeriod(from, to, 0.0);
}

// The search of "検索開始" with all seven boxes ticked.
void BM_FindAllOptions(benchmark::State& state) {
    auto project = FindProject(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    ChartScene chart;
    OpenChart(chart, *project);
    std::size_t found = 0;
    for (auto _ : state)
        found = ObjectFinder::Search(chart.GetModel(), "ｂ工区　１２", AllOptions()).size();
    state.counters["found"] = static_cast<double>(found);
}
BENCHMARK(BM_FindAllOptions)->Args({100000, 10000})->Unit(benchmark::kMillisecond);

// "一括置換" of ten thousand captions: the transaction with its undo snapshot,
// the change, the commit and the chart built again. The word goes back and
// forth so that every round finds as many.
void BM_ReplaceAllCommand(benchmark::State& state) {
    InMemorySettingsStore store;
    ScriptedPrompt prompt;
    RecordingShell shell;
    CStatus status(store, prompt, shell, AppEnvironment{});
    status.Doc().Open(FindProject(static_cast<int>(state.range(0)), 0), nullptr, {});
    ChartScene chart;
    OpenChart(chart, *status.GetProject());
    FindOptions options;
    options.remarks = options.memos = false;
    const std::string words[2] = {"鉄骨", "鋼構造"};
    int changed = 0;
    int round = 0;
    for (auto _ : state) {
        const std::string& from = words[round % 2];
        const std::string& to = words[(round + 1) % 2];
        ++round;
        if (!TextReplacer::Run(status.Doc(), status.Edit(), from, to, options, changed).ok ||
            changed == 0) {
            state.SkipWithError("nothing replaced");
            return;
        }
        chart.GetModel().Rebuild(*status.GetProject());
        chart.Relayout();
    }
    state.counters["changed"] = changed;
}
BENCHMARK(BM_ReplaceAllCommand)->Arg(100000)->Unit(benchmark::kMillisecond);

// Folding one caption with all three folding options.
void BM_FoldCaption(benchmark::State& state) {
    const std::string caption = "ｺﾝｸﾘｰﾄ打設　ＡＢＣ工区 ガス配管 No.12345";
    for (auto _ : state)
        benchmark::DoNotOptimize(TextMatcher::Fold(caption, AllOptions()));
}
BENCHMARK(BM_FoldCaption);

}  // namespace
}  // namespace qb
