#include <cerrno>
#include <cstdio>
#include <map>
#include <memory>
#include <string>

#include "ArchiveFile.h"
#include "CalendarSettings.h"
#include "CliOutput.h"
#include "Commands.h"
#include "DateEntry.h"
#include "DateText.h"
#include "HolidayCache.h"
#include "SystemError.h"
#include "SystemHolidays.h"

namespace qb::cli {
namespace {

constexpr const char* kUsage =
    "holidays --from YYYYMMDD --to YYYYMMDD [--rules FILE.xml] [--project FILE.qbd]";

using Options = std::map<std::string_view, std::string_view>;

// "--name value" pairs, each name at most once and known.
bool ParseOptions(const Args& args, Options& options) {
    if (args.size() % 2 != 0)
        return false;
    for (size_t i = 0; i < args.size(); i += 2) {
        const std::string_view name = args[i];
        if (name != "--from" && name != "--to" && name != "--rules" && name != "--project")
            return false;
        if (!options.emplace(name, args[i + 1]).second)
            return false;
    }
    return options.contains("--from") && options.contains("--to");
}

// Exactly eight digits forming a day the date entry fields accept.
bool ParseDay(std::string_view text, COleDateTime& day) {
    if (text.size() != 8 || text.find_first_not_of("0123456789") != std::string_view::npos ||
        !DateEntry::IsValidCompactDate(text))
        return false;
    day = DateEntry::ParseCompactDate(text);
    return day.IsValid();
}

}  // namespace

int RunHolidays(const Args& args) {
    Options options;
    COleDateTime from;
    COleDateTime to;
    if (!ParseOptions(args, options) || !ParseDay(options["--from"], from) ||
        !ParseDay(options["--to"], to) || to < from)
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

    std::unique_ptr<CProject> project;
    if (options.contains("--project")) {
        std::string message;
        project = ArchiveFile::Load(std::string(options["--project"]), message);
        if (!project)
            return CliOutput::Fail(message);
        cache.SetProjectRules(&project->GetHolidays(), project->IsUseSystemHolidays());
    }

    for (COleDateTime day = from; day <= to; day = day.AddDays(1))
        std::printf("%s\t%d\n", DateText::CompactDate(day).c_str(), cache.DayMark(day));
    return CliOutput::kSuccess;
}

}  // namespace qb::cli
