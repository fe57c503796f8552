#include <cstdio>
#include <memory>
#include <string>

#include "ArchiveFile.h"
#include "CalendarSettings.h"
#include "CliOptions.h"
#include "CliOutput.h"
#include "Commands.h"
#include "DateText.h"
#include "HolidayCache.h"
#include "HolidayRulesOption.h"

namespace qb::cli {
namespace {

constexpr const char* kUsage =
    "holidays --from YYYYMMDD --to YYYYMMDD [--rules FILE.xml] [--project FILE.qbd]";

}  // namespace

int RunHolidays(const Args& args) {
    CliOptions options;
    COleDateTime from;
    COleDateTime to;
    if (!options.Parse(args, {"--from", "--to", "--rules", "--project"}, {"--from", "--to"}) ||
        !CliOptions::ParseDay(options.Get("--from"), from) ||
        !CliOptions::ParseDay(options.Get("--to"), to) || to < from)
        return CliOutput::Usage(kUsage);

    CalendarSettings settings;
    HolidayCache cache(settings);
    std::string failure;
    if (!HolidayRulesOption::Apply(options.Get("--rules"), cache, failure))
        return CliOutput::Fail(failure);

    std::unique_ptr<CProject> project;
    if (options.Has("--project")) {
        std::string message;
        project = ArchiveFile::Load(std::string(options.Get("--project")), message);
        if (!project)
            return CliOutput::Fail(message);
        cache.SetProjectRules(&project->GetHolidays(), project->IsUseSystemHolidays());
    }

    for (COleDateTime day = from; day <= to; day = day.AddDays(1))
        std::printf("%s\t%d\n", DateText::CompactDate(day).c_str(), cache.DayMark(day));
    return CliOutput::kSuccess;
}

}  // namespace qb::cli
