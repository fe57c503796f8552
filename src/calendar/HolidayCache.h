#pragma once

#include <map>
#include <memory>
#include <set>

#include "CHolidayArray.h"
#include "COleDateTime.h"
#include "COleDateTimeSpan.h"
#include "ColorRef.h"

namespace qb {

class CalendarSettings;

// Answers, per day, whether it is a holiday (1), a forced working day (-1) or
// an ordinary day (0), from the project's rules, the system rules and Sundays,
// computing one month at a time. Marks are never patched: whoever changes the
// rules, the project or the holiday settings calls ClearCache.
class HolidayCache {
public:
    // The settings are read on every question, so they must outlive the cache.
    explicit HolidayCache(const CalendarSettings& settings);

    // The active project's rules (null: none) and whether the system rules
    // take part for it. Without a project the system rules take part.
    // Clears the cache.
    void SetProjectRules(const CHolidayArray* rules, bool useSystemHolidays);
    // Replaces the system rules (null: none). Clears the cache.
    void SetSystemRules(std::unique_ptr<CHolidayArray> rules);
    const CHolidayArray* GetSystemRules() const { return systemRules_.get(); }

    // 0 for a day that is not valid.
    int DayMark(const COleDateTime& day);
    // The holiday colour for mark 1, the Saturday colour on a Saturday (not
    // for a forced working Saturday while "SaturdayNH" is on), else black.
    ColorRef TextColour(const COleDateTime& day);
    // As TextColour, with the background colours and white.
    ColorRef BackgroundColour(const COleDateTime& day);
    // Working time from start to end in days: mode 1 leaves out holidays,
    // mode 2 also Saturdays. An end before the start gives the negative of
    // the time from end to start; a date that is not valid gives an invalid
    // span. Throws std::invalid_argument for any other mode.
    COleDateTimeSpan WorkingTime(const COleDateTime& start, const COleDateTime& end, int mode);
    // Days from start to end in the settings' day count mode ("TotalMode"):
    // working time in modes 1 and 2, else the time elapsed.
    double CountedDays(const COleDateTime& start, const COleDateTime& end);
    void ClearCache();

private:
    enum class Look { kHoliday, kSaturday, kPlain };
    Look LookOf(const COleDateTime& day);
    void ComputeMonth(int year, int month);
    int MarkOf(int year, int month, int day) const;
    bool Counts(const COleDateTime& day, int mode);

    const CalendarSettings& settings_;
    const CHolidayArray* projectRules_ = nullptr;
    bool useSystemHolidays_ = true;
    std::unique_ptr<CHolidayArray> systemRules_;
    // Keys year * 100 + month.
    std::set<int> monthsDone_;
    // Keys year * 10000 + month * 100 + day; an absent day has mark 0.
    std::map<int, int> dayMarks_;
};

}  // namespace qb
