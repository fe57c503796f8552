#include "HolidayRulesOption.h"

#include "CliOutput.h"
#include "ErrorSlot.h"
#include "SystemHolidays.h"

namespace qb::cli {

bool HolidayRulesOption::Apply(std::string_view path, HolidayCache& cache, std::string& message) {
    if (path.empty()) {
        cache.SetSystemRules(SystemHolidays::BuiltInRules());
        return true;
    }
    ErrorSlot error;
    auto rules = SystemHolidays::ReadRules(std::string(path), error);
    if (!rules) {
        message = CliOutput::HolidayFileFailure(error.Describe());
        return false;
    }
    cache.SetSystemRules(std::move(rules));
    return true;
}

}  // namespace qb::cli
