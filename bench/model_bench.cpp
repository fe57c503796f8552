// Building, copying and storing schedules: the costs every large project pays.
#include <benchmark/benchmark.h>

#include <malloc.h>

#include "CLink.h"
#include "CMemo.h"
#include "CProject.h"
#include "ObjectText.h"

namespace qb {
namespace {

void FillProject(CProject& project, int schedules) {
    const int rows = schedules / 10 + 1;
    for (int r = 0; r < rows; ++r) {
        auto row = std::make_unique<CRow>(project.NewObjectId());
        row->SetCaption("row " + std::to_string(r));
        project.GetRows().Add(std::move(row));
    }
    const COleDateTime start(2024, 1, 1, 0, 0, 0);
    for (int i = 0; i < schedules; ++i) {
        auto schedule = std::make_unique<CSchedule>(project.NewObjectId());
        schedule->SetRowObjectId(i % rows);
        schedule->SetCaption("task " + std::to_string(i));
        schedule->SetStartDate(start.AddDays(i % 365));
        schedule->SetEndDate(start.AddDays(i % 365 + 5));
        schedule->SetProgressRate(i % 101);
        project.GetSchedules().Add(std::move(schedule));
    }
}

void BM_BuildProject(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    for (auto _ : state) {
        CProject project;
        FillProject(project, count);
        benchmark::DoNotOptimize(project.GetSchedules().GetCount());
    }
    state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(BM_BuildProject)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_CopySchedules(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    CProject source;
    FillProject(source, count);
    for (auto _ : state) {
        CScheduleArray copy;
        copy.AssignElements(source.GetSchedules());
        benchmark::DoNotOptimize(copy.GetCount());
    }
    state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(BM_CopySchedules)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_StoreAndLoadProperties(benchmark::State& state) {
    CSchedule schedule(1);
    schedule.SetCaption("caption");
    for (auto _ : state) {
        CSchedule target;
        target.SetProperties(schedule.CollectProperties());
        benchmark::DoNotOptimize(target.GetCaption());
    }
}
BENCHMARK(BM_StoreAndLoadProperties);

void BM_ObjectTextRoundTrip(benchmark::State& state) {
    CSchedule schedule(1);
    schedule.SetCaption("\xE5\xB7\xA5\xE4\xBA\x8B");
    for (auto _ : state) {
        auto read = ObjectText::Read(ObjectText::Write(schedule));
        benchmark::DoNotOptimize(read);
    }
}
BENCHMARK(BM_ObjectTextRoundTrip);

// Heap bytes per schedule, measured through the allocator's own count: the
// schedules alone, and a whole project with one row per ten schedules.
void BM_MemoryPerSchedule(benchmark::State& state) {
    const int count = 100000;
    for (auto _ : state) {
        size_t before = mallinfo2().uordblks;
        CScheduleArray schedules;
        for (int i = 0; i < count; ++i) {
            auto schedule = std::make_unique<CSchedule>(i);
            schedule->SetCaption("task " + std::to_string(i));
            schedules.Add(std::move(schedule));
        }
        state.counters["schedule_only_bytes"] =
            static_cast<double>(mallinfo2().uordblks - before) / count;

        before = mallinfo2().uordblks;
        auto project = std::make_unique<CProject>();
        FillProject(*project, count);
        state.counters["with_rows_bytes"] =
            static_cast<double>(mallinfo2().uordblks - before) / count;
        // The heap hands out blocks in steps of 16 bytes, with 8 of its own:
        // an object's size counts in those steps.
        state.counters["sizeof_CData"] = sizeof(CData);
        state.counters["sizeof_CSchedule"] = sizeof(CSchedule);
        state.counters["sizeof_CRow"] = sizeof(CRow);
        state.counters["sizeof_CLink"] = sizeof(CLink);
        state.counters["sizeof_CMemo"] = sizeof(CMemo);
    }
}
BENCHMARK(BM_MemoryPerSchedule)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace qb
