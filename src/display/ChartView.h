#pragma once

#include <string_view>

#include "COleDateTime.h"
#include "DrawTypes.h"

namespace qb {

// What the chart window adds to the chart's context for painting.
struct ChartView {
    // The chart point at the window's top-left corner.
    DrawPoint scroll;
    int width = 0;
    int height = 0;
    bool showLightning = false;
    // The lightning line stands at this date's middle.
    COleDateTime lightningDate;
    // Pens of the vertical grid lines of the ruler's upper and lower tiers.
    DrawPen upperGridPen;
    DrawPen lowerGridPen;
    // The two lines, broken by "\r\n", of the box the chart shows without
    // a document and without rows.
    std::string_view noDocumentText;
    std::string_view noRowsText;
};

}  // namespace qb
