// The CSV export of a 100k-schedule project: the text alone, and the text
// written to a file as the export command writes it.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "CCsvWriter.h"
#include "support/BenchProjects.h"

namespace qb {
namespace {

// Built once: generating is not what is measured.
const CProject& TheProject() {
    static const std::unique_ptr<CProject> project = GenerateBenchProject(100000);
    return *project;
}

void BM_CsvFormat100k(benchmark::State& state) {
    const CProject& project = TheProject();
    CsvOptions options;
    options.ignoreLineBreaks = state.range(0) != 0;
    for (auto _ : state) {
        std::string bytes = CCsvWriter::Format(project, options);
        benchmark::DoNotOptimize(bytes);
    }
}
BENCHMARK(BM_CsvFormat100k)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

void BM_CsvWrite100k(benchmark::State& state) {
    const CProject& project = TheProject();
    BenchFolder folder;
    CCsvWriter writer(folder.PathOf("out.csv"), {});
    for (auto _ : state) {
        if (!writer.Write(project))
            state.SkipWithError("the export failed");
    }
}
BENCHMARK(BM_CsvWrite100k)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace qb
