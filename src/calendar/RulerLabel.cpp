#include "RulerLabel.h"

#include <initializer_list>
#include <string_view>

#include "DateText.h"
#include "RulerTicks.h"
#include "RulerUnit.h"
#include "WeekNumber.h"

namespace qb {

namespace {

// Formats 5..9 of the week unit count from April.
constexpr int kCalendarWeekFormats = 5;

const char* const kTenDayNames[] = {"上", "中", "下"};

std::string Number(int value) {
    return std::to_string(value);
}

// Appending keeps GCC 12 from warning about a literal put in front of a string.
std::string Join(std::initializer_list<std::string_view> parts) {
    std::string text;
    for (const std::string_view part : parts) {
        text.append(part);
    }
    return text;
}

}  // namespace

std::string RulerLabel::Ordinal(int number) {
    if (number == 1) {
        return "1st";
    }
    if (number == 2) {
        return "2nd";
    }
    return Join({Number(number), "th"});
}

std::string RulerLabel::Text(int unit, int format, const COleDateTime& tick) const {
    COleDateTime::Fields fields;
    if (!tick.GetFields(fields)) {
        return std::string();
    }
    if (!IsRulerUnit(unit)) {
        unit = kRulerDay;
    }
    if (!IsRulerFormat(unit, format)) {
        format = 0;
    }
    switch (unit) {
        case kRulerWeek:
            return WeekText(format, tick);
        case kRulerTenDays:
            return TenDayText(format, fields);
        case kRulerMonth:
            return MonthText(format, fields);
        case kRulerYear:
            return YearText(format, false, fields);
        case kRulerFiscalYear:
            return YearText(format, true, fields);
        default:
            return DayText(format, fields);
    }
}

std::string RulerLabel::DayText(int format, const COleDateTime::Fields& tick) const {
    if (format == 0) {
        return Number(tick.day);
    }
    return Join({Number(tick.day), "(", DateText::WeekdayName(tick.dayOfWeek, format == 1), ")"});
}

std::string RulerLabel::WeekText(int format, const COleDateTime& tick) const {
    const int week =
        format < kCalendarWeekFormats ? WeekNumber::Calendar(tick) : WeekNumber::Fiscal(tick);
    switch (format % kCalendarWeekFormats) {
        case 1:
            return Join({"第", Number(week), "週"});
        case 2:
            return Join({Number(week), "w"});
        case 3:
            return Ordinal(week);
        case 4:
            return Join({Number(week), "週"});
        default:
            return Number(week);
    }
}

std::string RulerLabel::TenDayText(int format, const COleDateTime::Fields& tick) const {
    const int period = RulerTicks::TenDayPeriod(tick.day);
    const std::string_view name = kTenDayNames[period];
    switch (format) {
        case 1:
            return Join({name, "旬"});
        case 2:
            return Number(period + 1);
        case 3:
            return Join({Number(period + 1), "-P"});
        case 4:
            return Join({Number(tick.month), name});
        case 5:
            return Join({Number(tick.month), "月", name, "旬"});
        default:
            return std::string(name);
    }
}

std::string RulerLabel::MonthText(int format, const COleDateTime::Fields& tick) const {
    const std::string year = Number(tick.year);
    const std::string month = Number(tick.month);
    switch (format) {
        case 1:
            return Join({month, "月"});
        case 2:
            return Join({year, "/", month});
        case 3:
            return Join({year, "-", month});
        case 4:
            return Join({year, ".", month});
        case 5:
            return Join({year, "年", month, "月"});
        case 6:
            return DateText::MonthName(tick.month, false);
        case 7:
            return DateText::MonthName(tick.month, true);
        case 8:
            return Join({year, " ", DateText::MonthName(tick.month, false)});
        case 9:
            return Join({eras_.LongForm(tick.year, tick.month), "年", month, "月"});
        case 10:
            return Join({eras_.ShortForm(tick.year, tick.month), ".", month});
        default:
            return month;
    }
}

std::string RulerLabel::YearText(int format, bool fiscal, const COleDateTime::Fields& tick) const {
    // A fiscal year is named by the era of its calendar year's January.
    const std::string_view suffix = fiscal ? "年度" : "年";
    switch (format) {
        case 1:
            return Join({Number(tick.year), suffix});
        case 2:
            return eras_.LongForm(tick.year, 1);
        case 3:
            return Join({eras_.LongForm(tick.year, 1), suffix});
        case 4:
            return eras_.ShortForm(tick.year, 1);
        default:
            return Number(tick.year);
    }
}

}  // namespace qb
