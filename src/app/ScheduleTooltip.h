#pragma once

#include <string>

#include "ScheduleFields.h"

namespace qb {

// The text shown when the pointer rests on a schedule: its own "_tooltip"
// when it has one, otherwise its dates, actual dates, caption, quantities and
// progress, one per line (CR LF).
class ScheduleTooltip {
public:
    static std::string Text(const ScheduleFields& fields);

    // A schedule end as the tooltip shows it: by day, the date only, and an
    // end at offset 0 as the day before it; else the date and time of day.
    static std::string StartText(const COleDateTime& date, bool byDay);
    static std::string EndText(const COleDateTime& date, int offset, bool byDay);

private:
    static void AppendDates(const ScheduleFields& fields, std::string& text);
    static void AppendActualDates(const ScheduleFields& fields, std::string& text);
    static void AppendQuantities(const ScheduleFields& fields, std::string& text);
};

}  // namespace qb
