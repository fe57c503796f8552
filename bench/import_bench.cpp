// The tab-separated import of a large file: 100k schedule records on a
// hundred rows, named by id and by text, with Japanese captions, as a user's
// file holds them (Shift_JIS). Each iteration imports into a fresh project.
#include <benchmark/benchmark.h>

#include <memory>
#include <sstream>
#include <string>

#include "CProject.h"
#include "CRow.h"
#include "EditStamp.h"
#include "ImportLog.h"
#include "Importer.h"
#include "TextCodec.h"

namespace qb {
namespace {

constexpr int kRows = 100;

std::unique_ptr<CProject> MakeRows() {
    auto project = std::make_unique<CProject>();
    project->SetLastObjectId(1);
    for (int i = 0; i < kRows; ++i) {
        auto row = std::make_unique<CRow>(project->NewObjectId());
        row->SetCaption("工程" + std::to_string(i));
        project->GetRows().Add(std::move(row));
    }
    return project;
}

std::string MakeFile(int records) {
    std::string text;
    for (int i = 0; i < records; ++i) {
        const int row = 1 + i % kRows;
        const int day = 1 + i % 28;
        const std::string date = "201702" + std::string(day < 10 ? "0" : "") + std::to_string(day);
        if (i % 2 == 0)
            text += "SA\t\t" + std::to_string(row);
        else
            text += "SB\t\t工程" + std::to_string(row - 1);
        text += "\t作業" + std::to_string(i) + "\t" + date + "\t" + date + "\t0\t.5\t\t\t" +
                std::to_string(i % 101) + "\tFF8000\t備考\t\t\t\t1\t\t12\t000000\t0\t1\t1\t0\t1\t" +
                "000000\t0\t0\t" + std::to_string(i % 50) + "\r\n";
    }
    return TextCodec::Utf8ToCp932Lossy(text);
}

void BM_ImportScheduleRecords(benchmark::State& state) {
    const std::string file = MakeFile(static_cast<int>(state.range(0)));
    const EditStamp stamp("bench", COleDateTime(2024, 1, 1, 0, 0, 0));
    ImportSummary summary;
    for (auto _ : state) {
        state.PauseTiming();
        auto project = MakeRows();
        std::istringstream in(file);
        ImportLog log;
        state.ResumeTiming();
        Importer importer(*project, stamp, log, 40);
        summary = importer.Run(in);
        benchmark::DoNotOptimize(log.Bytes());
        state.PauseTiming();
        project.reset();
        state.ResumeTiming();
    }
    state.counters["schedules"] = summary.schedules;
    state.counters["MB"] = static_cast<double>(file.size()) / 1e6;
}
BENCHMARK(BM_ImportScheduleRecords)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace qb
