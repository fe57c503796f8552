#pragma once

#include "ChartContext.h"
#include "DrawTypes.h"

namespace qb {

// What drawing adds to the chart's context. Objects draw in chart
// coordinates; the painter hands them a context that applies the scroll.
struct GuiDrawArgs {
    const ChartContext& chart;
    // The part of the chart being painted, in chart coordinates: objects
    // outside it are skipped.
    DrawRect visible;
    // Rows write their object id after the caption.
    bool showObjectId = false;
    // A cell of the column area is current: rows draw no focus rectangle.
    bool cellCurrent = false;
};

}  // namespace qb
