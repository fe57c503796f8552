#pragma once

#include <memory>

#include "CProject.h"

namespace qb {

// Synthetic projects of any size for benchmarks, tests and the command line.
// The same options always give the same project, on every platform.
class ProjectGenerator {
public:
    struct Options {
        int rows = 10;  // all levels; rows nest up to five levels deep
        int schedules = 100;
        int links = 0;  // between schedules (and memos, when there are any)
        int memos = 0;
        unsigned seed = 1;
        // Every 25th object of each kind is left as a deleted tombstone
        // (counted in the numbers above).
        bool tombstones = false;
    };

    // Negative counts are taken as 0.
    static std::unique_ptr<CProject> Generate(const Options& options);
};

}  // namespace qb
