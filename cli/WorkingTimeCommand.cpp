#include <cstdio>
#include <string>

#include "CalendarSettings.h"
#include "CliOptions.h"
#include "CliOutput.h"
#include "Commands.h"
#include "HolidayCache.h"
#include "HolidayRulesOption.h"

namespace qb::cli {
namespace {

// The span is printed with "%.10g": exact to far below a minute for any
// span the dates allow, and without trailing zeros.
constexpr const char* kUsage =
    "working-time --from YYYYMMDDhhmm --to YYYYMMDDhhmm --mode 1|2 [--rules FILE.xml]"
    " (prints days as %.10g; mode 1 leaves out holidays, 2 also Saturdays)";

}  // namespace

int RunWorkingTime(const Args& args) {
    CliOptions options;
    COleDateTime from;
    COleDateTime to;
    if (!options.Parse(args, {"--from", "--to", "--mode", "--rules"},
                       {"--from", "--to", "--mode"}) ||
        !CliOptions::ParseMoment(options.Get("--from"), from) ||
        !CliOptions::ParseMoment(options.Get("--to"), to) ||
        (options.Get("--mode") != "1" && options.Get("--mode") != "2"))
        return CliOutput::Usage(kUsage);

    CalendarSettings settings;
    HolidayCache cache(settings);
    std::string failure;
    if (!HolidayRulesOption::Apply(options.Get("--rules"), cache, failure))
        return CliOutput::Fail(failure);
    const int mode = options.Get("--mode") == "2" ? 2 : 1;
    std::printf("%.10g\n", cache.WorkingTime(from, to, mode).GetTotalDays());
    return CliOutput::kSuccess;
}

}  // namespace qb::cli
