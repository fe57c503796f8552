#include "HolidayCache.h"

#include <stdexcept>

#include "CalendarSettings.h"
#include "HolidayRules.h"

namespace qb {

namespace {

constexpr int kSunday = 1;
constexpr int kSaturday = 7;
constexpr double kMinutesPerDay = 1440.0;

// The time of day in days, to the minute: seconds do not count.
double TimeOfDay(const COleDateTime& value) {
    return (value.GetHour() * 60 + value.GetMinute()) / kMinutesPerDay;
}

}  // namespace

HolidayCache::HolidayCache(const CalendarSettings& settings) : settings_(settings) {}

void HolidayCache::SetProjectRules(const CHolidayArray* rules, bool useSystemHolidays) {
    projectRules_ = rules;
    useSystemHolidays_ = useSystemHolidays;
    ClearCache();
}

void HolidayCache::SetSystemRules(std::unique_ptr<CHolidayArray> rules) {
    systemRules_ = std::move(rules);
    ClearCache();
}

double HolidayCache::CountedDays(const COleDateTime& start, const COleDateTime& end) {
    const int mode = settings_.totalMode;
    if (mode == 1 || mode == 2)
        return WorkingTime(start, end, mode).GetTotalDays();
    return (end - start).GetTotalDays();
}

void HolidayCache::ClearCache() {
    monthsDone_.clear();
    dayMarks_.clear();
}

int HolidayCache::DayMark(const COleDateTime& day) {
    COleDateTime::Fields f;
    if (!day.GetFields(f) || f.year <= 0 || f.month <= 0)
        return 0;
    if (!monthsDone_.contains(f.year * 100 + f.month))
        ComputeMonth(f.year, f.month);
    return MarkOf(f.year, f.month, f.day);
}

int HolidayCache::MarkOf(int year, int month, int day) const {
    const auto found = dayMarks_.find(year * 10000 + month * 100 + day);
    return found == dayMarks_.end() ? 0 : found->second;
}

void HolidayCache::ComputeMonth(int year, int month) {
    const bool order = settings_.holidayOrder;
    const CHolidayArray* system = useSystemHolidays_ ? systemRules_.get() : nullptr;
    for (int t = 1, n = COleDateTime::DaysInMonth(year, month); t <= n; ++t) {
        const COleDateTime day(year, month, t, 0, 0, 0);
        const int p = HolidayRules::Evaluate(projectRules_, day, order);
        const int s = p == -1 ? 0 : HolidayRules::Evaluate(system, day, order);
        int mark = 0;
        if (p == -1 || s == -1)
            mark = -1;
        else if (p == 1 || s == 1 || day.GetDayOfWeek() == kSunday)
            mark = 1;
        if (mark != 0)
            dayMarks_[year * 10000 + month * 100 + t] = mark;
    }
    monthsDone_.insert(year * 100 + month);
}

HolidayCache::Look HolidayCache::LookOf(const COleDateTime& day) {
    const int mark = DayMark(day);
    if (mark == 1)
        return Look::kHoliday;
    if (day.GetDayOfWeek() == kSaturday && !(mark == -1 && settings_.saturdayNH))
        return Look::kSaturday;
    return Look::kPlain;
}

ColorRef HolidayCache::TextColour(const COleDateTime& day) {
    switch (LookOf(day)) {
        case Look::kHoliday:
            return settings_.sunday;
        case Look::kSaturday:
            return settings_.saturday;
        case Look::kPlain:
            break;
    }
    return kBlack;
}

ColorRef HolidayCache::BackgroundColour(const COleDateTime& day) {
    switch (LookOf(day)) {
        case Look::kHoliday:
            return settings_.sundayB;
        case Look::kSaturday:
            return settings_.saturdayB;
        case Look::kPlain:
            break;
    }
    return kWhite;
}

bool HolidayCache::Counts(const COleDateTime& day, int mode) {
    const int mark = DayMark(day);
    if (mark == 1)
        return false;
    if (mode == 2 && day.GetDayOfWeek() == kSaturday)
        return mark == -1 && settings_.saturdayNH;
    return true;
}

COleDateTimeSpan HolidayCache::WorkingTime(const COleDateTime& start, const COleDateTime& end,
                                           int mode) {
    if (mode != 1 && mode != 2)
        throw std::invalid_argument("working time mode must be 1 or 2");
    if (!start.IsValid() || !end.IsValid())
        return COleDateTimeSpan::Invalid();
    if (end < start)
        return -WorkingTime(end, start, mode);

    const COleDateTime startDay = start.DatePart();
    const COleDateTime endDay = end.DatePart();
    if (startDay == endDay)
        return Counts(startDay, mode) ? end - start : COleDateTimeSpan();

    double total = 0.0;
    if (Counts(startDay, mode))
        total += 1.0 - TimeOfDay(start);
    for (COleDateTime day = startDay.AddDays(1); day < endDay; day = day.AddDays(1)) {
        if (Counts(day, mode))
            total += 1.0;
    }
    if (Counts(endDay, mode))
        total += TimeOfDay(end);
    return COleDateTimeSpan(total);
}

}  // namespace qb
