// Printing a one-year plan of 10k schedules on A3: the page layout alone,
// and layout plus every page written to a PDF.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <cstdio>
#include <filesystem>
#include <memory>

#include "CProject.h"
#include "PrintEngine.h"
#include "PrintJob.h"
#include "ProjectGenerator.h"
#include "QtPrinter.h"
#include "ScriptedPrompt.h"

namespace {

using qb::PrintEngine;

QGuiApplication& Qt() {
    static int argc = 1;
    static char name[] = "qb_print_bench";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(argc, argv);
    return app;
}

std::unique_ptr<qb::CProject> OneYearPlan() {
    qb::ProjectGenerator::Options options;
    options.rows = 1000;
    options.schedules = 10000;
    options.links = 500;
    auto project = qb::ProjectGenerator::Generate(options);
    project->SetDisplayEndDate(project->GetDisplayStartDate().AddDays(364));
    return project;
}

void OnA3(PrintEngine& engine) {
    engine.Settings().paperSize = 8;
    engine.Settings().range = qb::PrintSettings::Range::kWholePeriod;
    engine.Settings().pageFormat = 7;
    engine.Settings().printer = qb::PrintSettings::kPdfPrinter;
}

void BM_LayOutOneYearOnA3(benchmark::State& state) {
    const auto project = OneYearPlan();
    PrintEngine engine;
    OnA3(engine);
    PrintEngine::Source source;
    source.project = project.get();
    for (auto _ : state) {
        engine.Layout(source, false, qb::COleDateTime());
        benchmark::DoNotOptimize(engine.PageCount());
    }
    state.counters["pages"] = engine.PageCount();
}
BENCHMARK(BM_LayOutOneYearOnA3)->Unit(benchmark::kMillisecond);

void BM_PrintOneYearOnA3ToPdf(benchmark::State& state) {
    Qt();
    const auto project = OneYearPlan();
    const std::string path =
        (std::filesystem::temp_directory_path() / "qb_print_bench.pdf").string();
    PrintEngine engine;
    OnA3(engine);
    PrintEngine::Source source;
    source.project = project.get();
    qb::ScriptedPrompt prompt;
    for (auto _ : state) {
        engine.Layout(source, false, qb::COleDateTime::GetCurrentTime());
        const auto printer = qb::QtPrinter::ForPdf(path);
        const auto result = qb::PrintJob::Run(engine, *printer, prompt);
        benchmark::DoNotOptimize(result.printed.size());
    }
    state.counters["pages"] = engine.PageCount();
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(path));
    std::filesystem::remove(path);
}
BENCHMARK(BM_PrintOneYearOnA3ToPdf)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
