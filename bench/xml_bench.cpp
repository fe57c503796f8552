// The XML export of large projects: into memory and into a file; and
// reading a holiday file.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>

#include <map>
#include <memory>
#include <string>

#include "CYmdHoliday.h"
#include "HolidayFile.h"
#include "ProjectGenerator.h"
#include "ProjectXmlWriter.h"
#include "XmlPlatform.h"

namespace qb {
namespace {

const CProject& ProjectOf(int schedules) {
    static std::map<int, std::unique_ptr<CProject>> projects;
    auto& project = projects[schedules];
    if (!project) {
        ProjectGenerator::Options options;
        options.schedules = schedules;
        options.rows = schedules / 10;
        options.links = schedules / 4;
        options.memos = schedules / 20;
        options.tombstones = true;
        project = ProjectGenerator::Generate(options);
    }
    return *project;
}

// Peak resident memory of the whole process so far, in MiB.
double PeakMiB() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

// Resident memory of the process now, in MiB.
double CurrentMiB() {
    long pages = 0;
    long resident = 0;
    std::ifstream("/proc/self/statm") >> pages >> resident;
    return static_cast<double>(resident) * static_cast<double>(::sysconf(_SC_PAGESIZE)) /
           (1024.0 * 1024.0);
}

void BM_ExportProjectXml(benchmark::State& state) {
    const CProject& project = ProjectOf(static_cast<int>(state.range(0)));
    XmlPlatform platform;
    ProjectXmlWriter writer;
    std::string bytes;
    for (auto _ : state) {
        if (!writer.FormatProjectXml(project, bytes))
            state.SkipWithError("export failed");
        benchmark::DoNotOptimize(bytes.data());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes.size()));
    state.counters["document_MiB"] = static_cast<double>(bytes.size()) / (1024.0 * 1024.0);
    state.counters["peak_rss_MiB"] = PeakMiB();
}
BENCHMARK(BM_ExportProjectXml)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// The export as the program writes it: to a new file beside the target,
// which then replaces it. Run alone (--benchmark_filter) for a peak memory
// that belongs to this export only; project_MiB is what the project itself
// takes before the export starts.
void BM_WriteProjectXmlFile(benchmark::State& state) {
    const CProject& project = ProjectOf(static_cast<int>(state.range(0)));
    const double before = CurrentMiB();
    XmlPlatform platform;
    ProjectXmlWriter writer;
    char folder[] = "/tmp/qb-xml-bench-XXXXXX";
    if (!::mkdtemp(folder)) {
        state.SkipWithError("no temporary folder");
        return;
    }
    const std::string path = std::string(folder) + "/export.xml";
    for (auto _ : state) {
        if (!writer.WriteProjectXml(path, project))
            state.SkipWithError("export failed");
    }
    std::remove(path.c_str());
    ::rmdir(folder);
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.counters["project_MiB"] = before;
    state.counters["peak_rss_MiB"] = PeakMiB();
}
BENCHMARK(BM_WriteProjectXmlFile)->Arg(100000)->Unit(benchmark::kMillisecond);

// A holiday file of fifty years of dated holidays.
void BM_ParseHolidayFile(benchmark::State& state) {
    XmlPlatform platform;
    CHolidayArray holidays;
    for (int i = 0; i < 1000; ++i) {
        auto rule = std::make_unique<CYmdHoliday>(i);
        rule->SetName("祝日 " + std::to_string(i));
        rule->SetYear(1980 + i / 20);
        rule->SetMonth(1 + i % 12);
        rule->SetDay(1 + i % 28);
        holidays.Add(std::move(rule));
    }
    HolidayFile file;
    std::string bytes;
    if (!file.FormatHolidays(holidays, bytes))
        state.SkipWithError("format failed");
    for (auto _ : state) {
        auto read = file.ParseHolidays(bytes);
        benchmark::DoNotOptimize(read.get());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes.size()));
}
BENCHMARK(BM_ParseHolidayFile)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace qb
