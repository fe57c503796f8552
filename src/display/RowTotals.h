#pragma once

#include "DisplayTree.h"

namespace qb {

class DisplaySettings;
class HolidayCache;

// The aggregated days each row shows, for the row and every row below it:
// the days its schedules take (counted once where schedules of one row
// overlap, unless the cumulative count is chosen), the days of their actual
// bars, and the days done by their progress. Days are elapsed days, or
// working days in the working-time counting modes.
class RowTotals {
public:
    enum Figure { kPlanned = 0, kActual = 1, kDone = 2 };

    RowTotals(const DisplaySettings& settings, HolidayCache* holidays)
        : settings_(settings), holidays_(holidays) {}

    void Compute(CGuiRowArray& rows, const CGuiScheduleArray& schedules) const;
    // Days between two moments in the day count mode of the calendar
    // settings the holiday cache reads; elapsed days without a cache.
    double Days(const COleDateTime& start, const COleDateTime& end) const;

private:
    const DisplaySettings& settings_;
    HolidayCache* holidays_;
};

}  // namespace qb
