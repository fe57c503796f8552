#pragma once

#include "Commands.h"
#include "FindOptions.h"

namespace qb::cli {

// The find window's check boxes as switches: "--captions", "--remarks",
// "--memos" choose the texts (none of them: all three), "--ignore-case",
// "--ignore-width", "--ignore-spaces", "--overflow-only" as the boxes say.
class FindFlags {
public:
    static constexpr const char* kUsage =
        "[--captions] [--remarks] [--memos] [--ignore-case] [--ignore-width] [--ignore-spaces] "
        "[--overflow-only]";

    // False for an unknown switch or one given twice.
    static bool Parse(const Args& args, FindOptions& options);
};

}  // namespace qb::cli
