#pragma once

#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>

#include "CProject.h"
#include "ProjectGenerator.h"

namespace qb {

// The benchmarks' project of a given size: a row per ten schedules, a link
// per five and a memo per fifty.
inline std::unique_ptr<CProject> GenerateBenchProject(int schedules) {
    ProjectGenerator::Options options;
    options.schedules = schedules;
    options.rows = schedules / 10;
    options.links = schedules / 5;
    options.memos = schedules / 50;
    return ProjectGenerator::Generate(options);
}

// A folder of its own for each benchmark, removed when it ends.
class BenchFolder {
public:
    BenchFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "qb_bench_XXXXXX").string();
        if (::mkdtemp(pattern.data()) != nullptr)
            folder_ = pattern;
    }
    ~BenchFolder() {
        std::error_code ignored;
        if (!folder_.empty())
            std::filesystem::remove_all(folder_, ignored);
    }
    BenchFolder(const BenchFolder&) = delete;
    BenchFolder& operator=(const BenchFolder&) = delete;
    std::string PathOf(const std::string& name) const { return (folder_ / name).string(); }

private:
    std::filesystem::path folder_;
};

}  // namespace qb
