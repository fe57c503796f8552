#pragma once

#include "DrawTypes.h"

namespace qb {

// Where a laid-out schedule lies in chart pixels. A point-type schedule has a
// bar of no width and no height: its marker is centred on (left, top).
struct ScheduleLayout {
    bool placed = false;
    DrawRect bar;
    DrawRect caption;
    TextFormat captionFormat;
    DrawRect hit;
    // The band of the dates on the schedule's shoulder.
    int bandTop = 0;
    int bandBottom = 0;
    // Where the duration label goes: on the side away from the band.
    int farY = 0;
    // Empty when there is no actual line.
    DrawRect actual;
};

}  // namespace qb
