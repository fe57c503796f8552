// The HTML list of a 100k-schedule project: the page of a laid-out chart as
// text and as the file's bytes, the file written, and the same with the
// chart laid out first, as the command line does without a window.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "CDisplayModel.h"
#include "CHtmlWriter.h"
#include "ChartScene.h"
#include "support/BenchProjects.h"

namespace qb {
namespace {

void LayOut(CProject& project, ChartScene& scene) {
    scene.Open(project);
    scene.SetRulerSetting(1);
    COleDateTime from;
    COleDateTime to;
    scene.DefaultPeriod(from, to);
    scene.SetSize(scene.HeaderWidth() + 1000, 1000);
    scene.SetPeriod(from, to, 1.0);
}

// Built once: generating and laying out are not what is measured.
struct Chart {
    Chart() : project(GenerateBenchProject(100000)) { LayOut(*project, scene); }
    std::unique_ptr<CProject> project;
    ChartScene scene;
};

Chart& TheChart() {
    static Chart chart;
    return chart;
}

HtmlOptions Options() {
    HtmlOptions options;
    options.homePage = "https://www.torvane.jp/quellbrandiren/";
    return options;
}

void BM_HtmlPage100k(benchmark::State& state) {
    const CDisplayModel& model = TheChart().scene.GetModel();
    const HtmlOptions options = Options();
    for (auto _ : state) {
        std::string page = CHtmlWriter::Page(model, options);
        benchmark::DoNotOptimize(page);
    }
}
BENCHMARK(BM_HtmlPage100k)->Unit(benchmark::kMillisecond);

void BM_HtmlBytes100k(benchmark::State& state) {
    const CDisplayModel& model = TheChart().scene.GetModel();
    const HtmlOptions options = Options();
    for (auto _ : state) {
        std::string bytes = CHtmlWriter::Bytes(model, options);
        benchmark::DoNotOptimize(bytes);
    }
}
BENCHMARK(BM_HtmlBytes100k)->Unit(benchmark::kMillisecond);

void BM_HtmlWrite100k(benchmark::State& state) {
    const CDisplayModel& model = TheChart().scene.GetModel();
    const HtmlOptions options = Options();
    BenchFolder folder;
    const CHtmlWriter writer(folder.PathOf("list.html"));
    for (auto _ : state) {
        std::uint32_t error = 0;
        if (!writer.Write(model, options, error))
            state.SkipWithError("the export failed");
    }
}
BENCHMARK(BM_HtmlWrite100k)->Unit(benchmark::kMillisecond);

void BM_HtmlLayOutAndWrite100k(benchmark::State& state) {
    CProject& project = *TheChart().project;
    const HtmlOptions options = Options();
    BenchFolder folder;
    const CHtmlWriter writer(folder.PathOf("list.html"));
    for (auto _ : state) {
        ChartScene scene;
        LayOut(project, scene);
        std::uint32_t error = 0;
        if (!writer.Write(scene.GetModel(), options, error))
            state.SkipWithError("the export failed");
    }
}
BENCHMARK(BM_HtmlLayOutAndWrite100k)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace qb
