#include <cerrno>
#include <cstdio>
#include <map>
#include <string>

#include "CalendarSettings.h"
#include "CliOutput.h"
#include "Commands.h"
#include "DateEntry.h"
#include "HolidayCache.h"
#include "SystemError.h"
#include "SystemHolidays.h"

namespace qb::cli {
namespace {

// The span is printed with "%.10g": exact to far below a minute for any
// span the dates allow, and without trailing zeros.
constexpr const char* kUsage =
    "working-time --from YYYYMMDDhhmm --to YYYYMMDDhhmm --mode 1|2 [--rules FILE.xml]"
    " (prints days as %.10g; mode 1 leaves out holidays, 2 also Saturdays)";

using Options = std::map<std::string_view, std::string_view>;

bool ParseOptions(const Args& args, Options& options) {
    if (args.size() % 2 != 0)
        return false;
    for (size_t i = 0; i < args.size(); i += 2) {
        const std::string_view name = args[i];
        if (name != "--from" && name != "--to" && name != "--mode" && name != "--rules")
            return false;
        if (!options.emplace(name, args[i + 1]).second)
            return false;
    }
    return options.contains("--from") && options.contains("--to") && options.contains("--mode");
}

// Exactly twelve digits: a day the date entry fields accept and hhmm.
bool ParseMoment(std::string_view text, COleDateTime& moment) {
    if (text.size() != 12 || text.find_first_not_of("0123456789") != std::string_view::npos ||
        !DateEntry::IsValidCompactDate(text) || !DateEntry::IsValidTime(text.substr(8)))
        return false;
    moment = DateEntry::ParseCompactDate(text);
    return moment.IsValid();
}

}  // namespace

int RunWorkingTime(const Args& args) {
    Options options;
    COleDateTime from;
    COleDateTime to;
    if (!ParseOptions(args, options) || !ParseMoment(options["--from"], from) ||
        !ParseMoment(options["--to"], to) || (options["--mode"] != "1" && options["--mode"] != "2"))
        return CliOutput::Usage(kUsage);

    CalendarSettings settings;
    HolidayCache cache(settings);
    if (options.contains("--rules")) {
        ErrorSlot error;
        auto rules = SystemHolidays::ReadRules(std::string(options["--rules"]), error);
        if (!rules)
            return CliOutput::Fail(CliOutput::HolidayFileFailure(error.Describe()));
        cache.SetSystemRules(std::move(rules));
    } else {
        cache.SetSystemRules(SystemHolidays::BuiltInRules());
    }
    const int mode = options["--mode"] == "2" ? 2 : 1;
    std::printf("%.10g\n", cache.WorkingTime(from, to, mode).GetTotalDays());
    return CliOutput::kSuccess;
}

}  // namespace qb::cli
