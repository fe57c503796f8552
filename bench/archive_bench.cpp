// Loading and saving native files of 10k and 100k schedules, with rows,
// links and memos in proportion, and the heap a loaded project holds.
#include <benchmark/benchmark.h>

#include <malloc.h>

#include <map>
#include <memory>
#include <string>

#include "ProjectArchive.h"
#include "ProjectGenerator.h"

namespace qb {
namespace {

struct Fixture {
    std::unique_ptr<CProject> project;
    std::string bytes;
};

// Built once per size: generating is not what is measured.
const Fixture& FixtureFor(int schedules) {
    static std::map<int, Fixture> cache;
    Fixture& fixture = cache[schedules];
    if (!fixture.project) {
        ProjectGenerator::Options options;
        options.schedules = schedules;
        options.rows = schedules / 10;
        options.links = schedules / 5;
        options.memos = schedules / 50;
        options.seed = 42;
        fixture.project = ProjectGenerator::Generate(options);
        fixture.bytes = ProjectArchive::WriteProjectArchive(*fixture.project);
    }
    return fixture;
}

void BM_ParseArchive(benchmark::State& state) {
    const Fixture& fixture = FixtureFor(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        ErrorSlot error;
        auto project = ProjectArchive::ReadProjectArchive(fixture.bytes, error);
        benchmark::DoNotOptimize(project.get());
        state.PauseTiming();
        project.reset();  // freeing the tree is not part of parsing
        state.ResumeTiming();
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(fixture.bytes.size()));
    state.counters["file_bytes"] = static_cast<double>(fixture.bytes.size());
}
BENCHMARK(BM_ParseArchive)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_SerialiseArchive(benchmark::State& state) {
    const Fixture& fixture = FixtureFor(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        std::string bytes = ProjectArchive::WriteProjectArchive(*fixture.project);
        benchmark::DoNotOptimize(bytes.data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(fixture.bytes.size()));
}
BENCHMARK(BM_SerialiseArchive)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// Bytes in use on the heap: its own blocks plus the large ones the C library
// maps one by one (an array reserved to its final size may be one of those).
std::size_t HeapInUse() {
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

// Heap held by a loaded project, divided by its schedules.
void MeasureHeap(benchmark::State& state, const std::string& bytes, int schedules) {
    double perSchedule = 0;
    for (auto _ : state) {
        malloc_trim(0);
        const std::size_t before = HeapInUse();
        ErrorSlot error;
        auto project = ProjectArchive::ReadProjectArchive(bytes, error);
        const std::size_t after = HeapInUse();
        perSchedule = static_cast<double>(after - before) / schedules;
        benchmark::DoNotOptimize(project.get());
    }
    state.counters["heap_bytes_per_schedule"] = perSchedule;
}

// Rows, links and memos in proportion included.
void BM_HeapPerScheduleAfterLoad(benchmark::State& state) {
    const int schedules = static_cast<int>(state.range(0));
    MeasureHeap(state, FixtureFor(schedules).bytes, schedules);
}
BENCHMARK(BM_HeapPerScheduleAfterLoad)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

// Schedules alone: what one schedule object and its slot cost.
void BM_HeapOfSchedulesAloneAfterLoad(benchmark::State& state) {
    const int schedules = static_cast<int>(state.range(0));
    ProjectGenerator::Options options;
    options.rows = 0;
    options.schedules = schedules;
    const std::string bytes =
        ProjectArchive::WriteProjectArchive(*ProjectGenerator::Generate(options));
    MeasureHeap(state, bytes, schedules);
}
BENCHMARK(BM_HeapOfSchedulesAloneAfterLoad)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

}  // namespace
}  // namespace qb
