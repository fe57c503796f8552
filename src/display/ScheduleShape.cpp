#include "ScheduleShape.h"

#include "CSchedule.h"

namespace qb {

ScheduleShape ScheduleShape::FromSchedule(const CSchedule& schedule) {
    ScheduleShape shape;
    shape.type = schedule.GetScheduleType();
    shape.subType = schedule.GetSubType();
    shape.startEdgeType = schedule.GetStartEdgeType();
    shape.endEdgeType = schedule.GetEndEdgeType();
    if (shape.type == 1) {
        shape.size = 10;
    } else if (shape.type == 0 && shape.subType == 0) {
        shape.size = schedule.GetEdgePen().GetWidth();
    } else {
        shape.size = schedule.GetHeight();
    }
    return shape;
}

}  // namespace qb
