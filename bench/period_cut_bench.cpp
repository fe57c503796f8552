// The period tool on a large project: one try of the dialog's values as the
// preview makes it (the content put back from the snapshot taken before the
// dialog, then the cut applied), and the count alone.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>

#include "CScheduleArray.h"
#include "EditStamp.h"
#include "PeriodCut.h"
#include "ProjectSnapshot.h"
#include "support/BenchProjects.h"

namespace qb {
namespace {

// A month in the middle of the project's schedules, cut out.
PeriodCutValues MiddleMonth(const CProject& project) {
    double first = 1e9;
    double last = -1e9;
    project.GetSchedules().ForEach([&](const CSchedule& schedule) {
        first = std::min(first, schedule.GetStartDate().GetDays());
        last = std::max(last, schedule.GetStartDate().GetDays());
    });
    PeriodCutValues values;
    values.from = COleDateTime((first + last) / 2, COleDateTime::valid).DatePart();
    values.to = values.from.AddDays(30);
    values.action = PeriodCutValues::Action::kCutOut;
    return values;
}

void BM_PeriodCutPreviewTry(benchmark::State& state) {
    auto project = GenerateBenchProject(static_cast<int>(state.range(0)));
    const auto before = ProjectSnapshot::Take(*project);
    const PeriodCutValues values = MiddleMonth(*project);
    const EditStamp stamp("bench", COleDateTime(2024, 1, 1, 0, 0, 0));
    PeriodCutSummary summary;
    for (auto _ : state) {
        before->CopyTo(*project);
        summary = PeriodCut::Apply(*project, values, stamp);
        benchmark::DoNotOptimize(summary);
    }
    state.counters["deleted"] = summary.deletedSchedules;
    state.counters["moved"] = summary.movedSchedules;
    state.counters["shortened"] = summary.shortenedSchedules;
}
BENCHMARK(BM_PeriodCutPreviewTry)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_PeriodCutCount(benchmark::State& state) {
    auto project = GenerateBenchProject(static_cast<int>(state.range(0)));
    const PeriodCutValues values = MiddleMonth(*project);
    for (auto _ : state)
        benchmark::DoNotOptimize(PeriodCut::Count(*project, values));
}
BENCHMARK(BM_PeriodCutCount)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace qb
