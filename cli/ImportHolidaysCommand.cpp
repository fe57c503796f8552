#include <cstdio>
#include <string>

#include "CliOutput.h"
#include "Commands.h"
#include "HolidayFile.h"
#include "HolidayRules.h"
#include "ICalendarHolidays.h"

namespace qb::cli {
namespace {

constexpr const char* kUsage = "import-holidays IN.ics OUT.xml";
constexpr const char* kNothingToTake = "休日ルールにできる終日の予定がありません。";

void ListRules(const CHolidayArray& rules) {
    rules.ForEach([](const CHoliday& rule) {
        std::printf("%s\t%s\t%s\n", HolidayRules::NameText(rule).c_str(),
                    HolidayRules::RuleText(rule).c_str(), HolidayRules::PeriodText(rule).c_str());
    });
}

}  // namespace

// Turns the all-day events of an iCalendar file into a holiday rule file and
// lists the rules written; events left out are counted on stderr.
int RunImportHolidays(const Args& args) {
    if (args.size() != 2 || args[0].empty() || args[1].empty() || args[0].front() == '-' ||
        args[1].front() == '-')
        return CliOutput::Usage(kUsage);
    ICalendarHolidays reader;
    std::optional<ICalendarHolidays::Result> result = reader.Read(std::string(args[0]));
    if (!result)
        return CliOutput::Fail(reader.GetError().Describe());
    if (result->rules->GetCount() == 0)
        return CliOutput::Fail(kNothingToTake);
    HolidayFile file;
    if (!file.WriteHolidayFile(std::string(args[1]), *result->rules))
        return CliOutput::Fail(file.GetError().Describe());
    ListRules(*result->rules);
    if (result->timedEvents > 0 || result->unsupportedEvents > 0)
        std::fprintf(stderr, "取り込まなかった予定: 時刻のある予定 %d 件、その他 %d 件\n",
                     result->timedEvents, result->unsupportedEvents);
    return CliOutput::kSuccess;
}

}  // namespace qb::cli
