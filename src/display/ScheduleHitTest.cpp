#include "ScheduleHitTest.h"

#include "CGuiSchedule.h"

namespace qb {

CGuiSchedule* ScheduleHitTest::Find(const CGuiScheduleArray& schedules, DrawPoint point,
                                    const COleDateTime& from, const COleDateTime& to) {
    for (std::size_t i = schedules.Size(); i-- > 0;) {
        CGuiSchedule* schedule = schedules.At(i);
        if (schedule->InDateRange(from, to) && schedule->HitTest(point)) {
            return schedule;
        }
    }
    return nullptr;
}

}  // namespace qb
