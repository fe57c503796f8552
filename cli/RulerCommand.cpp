#include <cstdio>
#include <string>

#include "CRuler.h"
#include "CalendarSettings.h"
#include "CliOptions.h"
#include "CliOutput.h"
#include "Commands.h"
#include "DateText.h"
#include "RulerUnit.h"

namespace qb::cli {
namespace {

constexpr const char* kUsage =
    "ruler --unit U --format F --from YYYYMMDD --to YYYYMMDD [--era NAME,SHORT --era-start "
    "YYYYMMDD]";

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
    CliOptions options;
    int unit = 0;
    int format = 0;
    COleDateTime from;
    COleDateTime to;
    COleDateTime eraStart;
    if (!options.Parse(args, {"--unit", "--format", "--from", "--to", "--era", "--era-start"},
                       {"--unit", "--format", "--from", "--to"}) ||
        options.Has("--era") != options.Has("--era-start") ||
        !CliOptions::ParseNumber(options.Get("--unit"), unit) ||
        !CliOptions::ParseNumber(options.Get("--format"), format) ||
        !CliOptions::ParseDay(options.Get("--from"), from) ||
        !CliOptions::ParseDay(options.Get("--to"), to) || to < from ||
        (options.Has("--era-start") && !CliOptions::ParseDay(options.Get("--era-start"), eraStart)))
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
    if (options.Has("--era"))
        SetCustomEra(options.Get("--era"), eraStart, settings);

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
