#pragma once

#include "CDisplayModel.h"
#include "COleDateTime.h"
#include "DrawTypes.h"

namespace qb {

// Finds the schedule under a point: the one drawn last wins, so the array is
// searched from its end. Schedules outside the displayed days are skipped.
class ScheduleHitTest {
public:
    static CGuiSchedule* Find(const CGuiScheduleArray& schedules, DrawPoint point,
                              const COleDateTime& from, const COleDateTime& to);
};

}  // namespace qb
