#pragma once

#include "COleDateTime.h"
#include "ShiftDaysValues.h"

namespace qb {

// "期間を指定して削除/切り出し": the days from and to (both included) and what
// to do with them: delete what lies inside, or cut the days out so that what
// lies after them moves left by their length.
struct PeriodCutValues {
    enum class Action { kDelete, kCutOut };

    COleDateTime from;
    COleDateTime to;
    Action action = Action::kDelete;
    // What cutting out does with the actual dates of the schedules it moves.
    ShiftDaysValues::Actuals actuals = ShiftDaysValues::Actuals::kShift;
};

// What a period delete or cut-out did, or would do, to the chart's objects.
struct PeriodCutSummary {
    int deletedSchedules = 0;
    int deletedMemos = 0;
    int deletedLinks = 0;
    // Schedules moved left whole, or shortened by the part that was cut.
    int movedSchedules = 0;
    int shortenedSchedules = 0;
    int movedMemos = 0;

    bool operator==(const PeriodCutSummary&) const = default;
};

}  // namespace qb
