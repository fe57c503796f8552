#pragma once

#include <cstdint>
#include <string>

#include "CFontInfo.h"
#include "COleDateTime.h"
#include "CPenInfo.h"
#include "ColorRef.h"
#include "ScheduleShape.h"

namespace qb {

class CSchedule;

// The values of a schedule that layout and drawing need, copied when the
// display object is made so that neither goes back to the data object.
struct ScheduleFields {
    std::int32_t objectId = -1;
    std::int32_t rowObjectId = -1;
    ScheduleShape shape;
    COleDateTime startDate;
    COleDateTime endDate;
    COleDateTime actualStartDate;
    COleDateTime actualEndDate;
    // Position inside the day in 1/10000 day.
    std::int32_t startOffset = 0;
    std::int32_t endOffset = 0;
    std::int32_t actualStartOffset = 0;
    std::int32_t actualEndOffset = 0;
    std::int32_t height = 0;
    std::int32_t yOffset = 0;
    // Tenths of a percent; -1 when not set.
    std::int32_t progressRate = -1;
    std::int32_t plan = 0;
    std::int32_t results = 0;
    // What the schedule adds to the load graph over its days.
    std::int32_t weight = 1;
    ColorRef bgColor = kWhite;
    ColorRef textColor = kBlack;
    std::string caption;
    // 0 inside, 1 above, 2 right, 3 below, 4 left.
    std::int32_t captionPosition = 0;
    std::int32_t captionHAlign = 1;
    std::int32_t captionVAlign = 1;
    CPenInfo edgePen;
    CFontInfo textFont;
    bool byDay = true;
    bool hasReference = false;
    std::string tooltip;

    static ScheduleFields FromSchedule(const CSchedule& schedule);

    bool IsPoint() const { return shape.IsPoint(); }
    // A new schedule's actual dates hold the zero date (30 December 1899),
    // which is valid but means "no actual date yet".
    bool HasActualStart() const { return IsSet(actualStartDate); }
    bool HasActualEnd() const { return IsSet(actualEndDate); }
    static bool IsSet(const COleDateTime& date) { return date.IsValid() && date.GetDays() != 0.0; }
    // Per mille, 0..1000: the quantities when a plan is set, else the rate,
    // else complete.
    int EffectiveProgress() const;
    // The moment a date and an offset stand for: with byDay the offset is a
    // position inside the day, otherwise the date carries its own time.
    static COleDateTime Moment(const COleDateTime& date, int offset, bool byDay);
    COleDateTime StartMoment() const { return Moment(startDate, startOffset, byDay); }
    COleDateTime EndMoment() const { return Moment(endDate, endOffset, byDay); }
};

}  // namespace qb
