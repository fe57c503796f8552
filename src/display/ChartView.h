#pragma once

#include "COleDateTime.h"
#include "DrawTypes.h"

namespace qb {

class CRuler;
class DisplaySettings;
class HolidayCache;

// What the chart window tells the painter about itself.
struct ChartView {
    const CRuler* ruler = nullptr;
    const DisplaySettings* settings = nullptr;
    // Schedules count working days with it; null counts calendar days.
    HolidayCache* holidays = nullptr;
    // The chart point at the window's top-left corner.
    DrawPoint scroll;
    int width = 0;
    int height = 0;
    COleDateTime today;
    bool summaryMode = false;
    bool showLightning = false;
    // The lightning line stands at this date's middle.
    COleDateTime lightningDate;
    // Pens of the vertical grid lines of the ruler's upper and lower tiers.
    DrawPen upperGridPen;
    DrawPen lowerGridPen;
};

}  // namespace qb
