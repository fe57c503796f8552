#pragma once

#include <string>
#include <string_view>

#include "COleDateTime.h"
#include "DrawTypes.h"

namespace qb {

class CGuiObject;
struct ChartContext;

// What the status bar and the chart's tip say about the mouse position, as
// a kind for the application to word, with the facts the words need.
struct ChartHint {
    enum class Kind {
        // Outside the chart's client area: nothing.
        kNone,
        // Over a memo or schedule.
        kObject,
        kNoData,
        // Below the last row.
        kNoRow,
        // Over a parent row while the summary mode shows it as one bar.
        kSummaryRow,
        // Anywhere else: the day there and how to create a schedule.
        kPosition,
    };

    Kind kind = Kind::kNone;
    // kObject: the memo or schedule under the point.
    const CGuiObject* object = nullptr;
    // kPosition: the day under the point.
    COleDateTime day;
    // kPosition: the palette's current shape is of the point type, so a
    // double-click creates one rather than a drag.
    bool pointShape = false;

    // chartPoint is in chart coordinates.
    static ChartHint At(const ChartContext& chart, bool inClient, DrawPoint chartPoint,
                        bool pointShape = false);
    // The status bar and tip show one line where a text breaks two.
    static std::string OneLine(std::string_view text);
};

}  // namespace qb
