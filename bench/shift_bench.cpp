// Moving many objects by days: the day shift of a large selection in a large
// project (with and without the edit transaction and its undo snapshot), and
// the walk through the links of a linked schedule.
#include <benchmark/benchmark.h>

#include <vector>

#include "CLinkArray.h"
#include "CScheduleArray.h"
#include "CStatus.h"
#include "DayShift.h"
#include "EditSession.h"
#include "EditStamp.h"
#include "InMemorySettingsStore.h"
#include "LinkedMove.h"
#include "RecordingShell.h"
#include "ScriptedPrompt.h"
#include "support/BenchProjects.h"

namespace qb {
namespace {

// Every tenth schedule, as a selection spread over the whole project.
std::vector<std::int32_t> Spread(const CProject& project, int count) {
    std::vector<std::int32_t> ids;
    const CScheduleArray& schedules = project.GetSchedules();
    const int step = schedules.GetCount() / count;
    for (int i = 0; i < schedules.GetCount() && static_cast<int>(ids.size()) < count; i += step)
        ids.push_back(schedules.At(i)->GetObjectId());
    return ids;
}

// The whole command after the dialog: the transaction (with the undo
// snapshot of the project it records), the shift and the commit.
void BM_ShiftDaysCommand(benchmark::State& state) {
    InMemorySettingsStore store;
    ScriptedPrompt prompt;
    RecordingShell shell;
    CStatus status(store, prompt, shell, AppEnvironment{});
    status.Doc().Open(GenerateBenchProject(static_cast<int>(state.range(0))), nullptr, {});
    const std::vector<std::int32_t> ids =
        Spread(*status.GetProject(), static_cast<int>(state.range(1)));
    ShiftDaysValues values;
    bool left = false;
    for (auto _ : state) {
        values.left = left = !left;
        if (!DayShift::Run(status.Doc(), status.Edit(), ids, values).ok) {
            state.SkipWithError("shift failed");
            return;
        }
    }
    state.counters["selected"] = static_cast<double>(ids.size());
}
BENCHMARK(BM_ShiftDaysCommand)->Args({100000, 10000})->Unit(benchmark::kMillisecond);

// The shift of the objects alone.
void BM_ShiftDaysApply(benchmark::State& state) {
    auto project = GenerateBenchProject(static_cast<int>(state.range(0)));
    const std::vector<std::int32_t> ids = Spread(*project, static_cast<int>(state.range(1)));
    const EditStamp stamp("bench", COleDateTime(2026, 1, 1, 0, 0, 0));
    int days = 1;
    for (auto _ : state) {
        days = -days;
        benchmark::DoNotOptimize(
            DayShift::Apply(*project, ids, days, ShiftDaysValues::Actuals::kShift, stamp));
    }
}
BENCHMARK(BM_ShiftDaysApply)->Args({100000, 10000})->Unit(benchmark::kMillisecond);

// The objects a linked schedule takes along, from the first schedule with a
// link in the generated project.
void BM_CollectLinked(benchmark::State& state) {
    auto project = GenerateBenchProject(static_cast<int>(state.range(0)));
    const std::int32_t start = project->GetLinks().At(0)->GetFromId();
    std::size_t taken = 0;
    for (auto _ : state)
        taken = LinkedMove::Collect(*project, start, false).size();
    state.counters["taken"] = static_cast<double>(taken);
}
BENCHMARK(BM_CollectLinked)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace qb
