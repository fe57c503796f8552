#include <charconv>
#include <cstdio>
#include <map>
#include <string>

#include "CRuler.h"
#include "CalendarSettings.h"
#include "CliOutput.h"
#include "Commands.h"
#include "DateEntry.h"
#include "DateText.h"
#include "RulerUnit.h"

namespace qb::cli {
namespace {

constexpr const char* kUsage =
    "ruler --unit U --format F --from YYYYMMDD --to YYYYMMDD [--era NAME,SHORT --era-start "
    "YYYYMMDD]";

using Options = std::map<std::string_view, std::string_view>;

bool IsKnownOption(std::string_view name) {
    return name == "--unit" || name == "--format" || name == "--from" || name == "--to" ||
           name == "--era" || name == "--era-start";
}

// "--name value" pairs, each name at most once and known; the custom era
// needs both its name and its first day.
bool ParseOptions(const Args& args, Options& options) {
    if (args.size() % 2 != 0)
        return false;
    for (size_t i = 0; i < args.size(); i += 2) {
        if (!IsKnownOption(args[i]) || !options.emplace(args[i], args[i + 1]).second)
            return false;
    }
    return options.contains("--unit") && options.contains("--format") &&
           options.contains("--from") && options.contains("--to") &&
           options.contains("--era") == options.contains("--era-start");
}

bool ParseNumber(std::string_view text, int& value) {
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value);
    return !text.empty() && result.ec == std::errc() && result.ptr == end;
}

// Exactly eight digits forming a day the date entry fields accept.
bool ParseDay(std::string_view text, COleDateTime& day) {
    if (text.size() != 8 || text.find_first_not_of("0123456789") != std::string_view::npos ||
        !DateEntry::IsValidCompactDate(text))
        return false;
    day = DateEntry::ParseCompactDate(text);
    return day.IsValid();
}

int RangeError(const char* message) {
    std::fprintf(stderr, "ruler: %s\n", message);
    return CliOutput::Usage(kUsage);
}

void SetCustomEra(std::string_view era, const COleDateTime& start, CalendarSettings& settings) {
    settings.heisei3 = std::string(era);
    const size_t comma = era.find(',');
    settings.heisei3Name = std::string(era.substr(0, comma));
    settings.heisei3Abbreviation =
        comma == std::string_view::npos ? std::string() : std::string(era.substr(comma + 1));
    settings.heisei3Date = start;
}

}  // namespace

int RunRuler(const Args& args) {
    Options options;
    int unit = 0;
    int format = 0;
    COleDateTime from;
    COleDateTime to;
    COleDateTime eraStart;
    if (!ParseOptions(args, options) || !ParseNumber(options["--unit"], unit) ||
        !ParseNumber(options["--format"], format) || !ParseDay(options["--from"], from) ||
        !ParseDay(options["--to"], to) || to < from ||
        (options.contains("--era-start") && !ParseDay(options["--era-start"], eraStart)))
        return CliOutput::Usage(kUsage);
    if (!IsRulerUnit(unit))
        return RangeError(
            "--unit must be 0 (day), 1 (week), 2 (ten-day period), 3 (month), 4 (year) or 5 "
            "(fiscal year)");
    if (!IsRulerFormat(unit, format)) {
        std::string message = "--format of unit ";
        message.append(std::to_string(unit)).append(" must be 0..");
        message.append(std::to_string(RulerFormatCount(unit) - 1));
        return RangeError(message.c_str());
    }

    CalendarSettings settings;
    if (options.contains("--era"))
        SetCustomEra(options["--era"], eraStart, settings);

    // One pixel per day; the display end keeps the row from running past --to
    // although the window would reach a day further.
    CRuler ruler(settings);
    const int days = static_cast<int>((to - from).GetDays()) + 1;
    ruler.SetView(days, from, to);
    ruler.SetLimits(COleDateTime(), to);
    ruler.SetUnits(CRuler::Band::upper, unit, format);
    ruler.SetUnits(CRuler::Band::lower, unit, format);
    ruler.Rebuild();

    const RulerRow& row = ruler.GetRow(CRuler::Band::lower);
    for (size_t i = 0; i < row.CellCount(); ++i) {
        std::printf("%s\t%s\n", DateText::CompactDate(row.ticks[i]).c_str(), row.labels[i].c_str());
    }
    return CliOutput::kSuccess;
}

}  // namespace qb::cli
