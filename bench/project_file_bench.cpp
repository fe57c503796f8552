// Saving and loading through the project file handle: the full path a user's
// save takes, with the new file flushed to disk and renamed into place.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "CProjectFile.h"
#include "LockedFile.h"
#include "ProjectArchive.h"
#include "ProjectGenerator.h"
#include "support/BenchProjects.h"

namespace qb {
namespace {

namespace fs = std::filesystem;

void BM_SerializeOnly(benchmark::State& state) {
    auto project = GenerateBenchProject(static_cast<int>(state.range(0)));
    std::size_t bytes = 0;
    for (auto _ : state) {
        std::string document = ProjectArchive::WriteProjectArchive(*project);
        bytes = document.size();
        benchmark::DoNotOptimize(document.data());
    }
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_SerializeOnly)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// The file part of a save alone: new file, write, flush, rename, folder flush.
void BM_ReplaceOnly(benchmark::State& state) {
    BenchFolder folder;
    const std::string document = ProjectArchive::WriteProjectArchive(
        *GenerateBenchProject(static_cast<int>(state.range(0))));
    std::uint32_t error = 0;
    auto file = LockedFile::Open(folder.PathOf("plan.qbd"), LockedFile::Mode::kWrite, error);
    for (auto _ : state) {
        if (file == nullptr || !file->Replace(document, error)) {
            state.SkipWithError("replace failed");
            break;
        }
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(document.size()));
}
BENCHMARK(BM_ReplaceOnly)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// A single-mode save: the file stays held between saves, as in the program.
void BM_SaveHeld(benchmark::State& state) {
    BenchFolder folder;
    auto project = GenerateBenchProject(static_cast<int>(state.range(0)));
    CProjectFile file(folder.PathOf("plan.qbd"));
    for (auto _ : state) {
        if (!file.Save(project.get(), true)) {
            state.SkipWithError("save failed");
            break;
        }
    }
    state.counters["bytes"] = static_cast<double>(fs::file_size(folder.PathOf("plan.qbd")));
}
BENCHMARK(BM_SaveHeld)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

// A shared-mode save: open with the lock, write, let go.
void BM_SaveShared(benchmark::State& state) {
    BenchFolder folder;
    auto project = GenerateBenchProject(static_cast<int>(state.range(0)));
    project->SetShared(true);
    for (auto _ : state) {
        CProjectFile file(folder.PathOf("plan.qbd"));
        if (!file.Save(project.get(), true)) {
            state.SkipWithError("save failed");
            break;
        }
    }
}
BENCHMARK(BM_SaveShared)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_Load(benchmark::State& state) {
    BenchFolder folder;
    {
        CProjectFile writer(folder.PathOf("plan.qbd"));
        auto project = GenerateBenchProject(static_cast<int>(state.range(0)));
        if (!writer.Save(project.get(), true)) {
            state.SkipWithError("save failed");
            return;
        }
    }
    for (auto _ : state) {
        CProjectFile file(folder.PathOf("plan.qbd"));
        auto loaded = file.Load(false);
        if (loaded == nullptr) {
            state.SkipWithError("load failed");
            break;
        }
        benchmark::DoNotOptimize(loaded.get());
    }
}
BENCHMARK(BM_Load)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace qb
