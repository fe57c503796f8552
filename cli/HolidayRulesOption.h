#pragma once

#include <string>
#include <string_view>

#include "HolidayCache.h"

namespace qb::cli {

// The "--rules FILE.xml" option of the calendar verbs: that file's rules, or
// the built-in Japanese holidays when the option is absent, become the
// cache's system rules.
class HolidayRulesOption {
public:
    // False with the message to print when the file cannot be read.
    static bool Apply(std::string_view path, HolidayCache& cache, std::string& message);
};

}  // namespace qb::cli
