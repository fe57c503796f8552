#include "ScheduleFields.h"

#include <algorithm>

#include "CSchedule.h"
#include "DateOffset.h"

namespace qb {

ScheduleFields ScheduleFields::FromSchedule(const CSchedule& schedule) {
    ScheduleFields f;
    f.objectId = schedule.GetObjectId();
    f.rowObjectId = schedule.GetRowObjectId();
    f.shape = ScheduleShape::FromSchedule(schedule);
    f.startDate = schedule.GetStartDate();
    f.endDate = schedule.GetEndDate();
    f.actualStartDate = schedule.GetActualStartDate();
    f.actualEndDate = schedule.GetActualEndDate();
    f.startOffset = schedule.GetStartOffset();
    f.endOffset = schedule.GetEndOffset();
    f.actualStartOffset = schedule.GetActualStartOffset();
    f.actualEndOffset = schedule.GetActualEndOffset();
    f.height = schedule.GetHeight();
    f.yOffset = schedule.GetYOffset();
    f.progressRate = schedule.GetProgressRate();
    f.plan = schedule.GetPlan();
    f.results = schedule.GetResults();
    f.weight = schedule.GetWeight();
    f.bgColor = schedule.GetBgColor();
    f.textColor = schedule.GetTextColor();
    f.caption = schedule.GetCaption();
    f.captionPosition = schedule.GetCaptionPosition();
    f.captionHAlign = schedule.GetCaptionHAlign();
    f.captionVAlign = schedule.GetCaptionVAlign();
    f.edgePen = schedule.GetEdgePen();
    f.textFont = schedule.GetTextFont();
    f.byDay = schedule.IsByDay();
    f.hasReference = !schedule.GetReference().empty();
    f.tooltip = schedule.GetParam("_tooltip");
    return f;
}

COleDateTime ScheduleFields::Moment(const COleDateTime& date, int offset, bool byDay) {
    return byDay ? DateOffset(date.DatePart(), offset).ToDateTime() : date;
}

int ScheduleFields::EffectiveProgress() const {
    if (plan != 0) {
        // 64 bits: results of a large quantity times 1000 overflow 32.
        const std::int64_t perMille = std::int64_t{results} * 1000 / plan;
        return static_cast<int>(std::clamp<std::int64_t>(perMille, INT32_MIN, 1000));
    }
    return progressRate != -1 ? progressRate : 1000;
}

}  // namespace qb
