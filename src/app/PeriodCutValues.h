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

}  // namespace qb
