// The clipboard blocks: 10,000 selected schedules of a 100k project written
// and read as the objects block, and the largest top-level row of it as the
// rows block.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "CRow.h"
#include "ObjectClipboardStream.h"
#include "RowClipboardStream.h"
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
