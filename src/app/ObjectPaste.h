#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "CData.h"
#include "DrawTypes.h"
#include "EditResult.h"
#include "ObjectClipboardStream.h"

namespace qb {

class CDisplayModel;
class CStatus;
class ChartScene;
struct ChartContext;

// Copied schedules, memos and links put down on the chart: the first
// object's copied top-left goes to the target point and every other keeps
// its distance from it; each schedule and memo takes the dates under its new
// left and the row under its new top, and keeps its length, times and size.
// Links follow their two ends, and one whose end did not land is left out.
class ObjectPaste {
public:
    // Where the objects would land, before anything is written.
    struct Placement {
        // The objects that fit, with their copied ids and new rows and dates.
        std::vector<std::unique_ptr<CData>> values;
        // Schedules and memos that fall off the rows.
        int dropped = 0;
        // Some object lands on a row the summary display shows as one bar.
        bool onSummaryRow = false;
    };

    explicit ObjectPaste(CStatus& status) : status_(status) {}

    static Placement Place(const std::vector<ClipboardObject>& objects, DrawPoint at,
                           const ChartContext& chart);
    // Places, asks and tells the user, adds what fits as one step with new ids
    // and selects it. False when nothing was added.
    bool Paste(const std::vector<ClipboardObject>& objects, ChartScene& chart);
    // Adds placed values as one step: new ids for all, link ends taken over
    // to the new ids. The result's ids are the new objects', in order.
    EditResult Add(std::vector<std::unique_ptr<CData>> values);

private:
    // The point the user pointed at, or the chart's visible top-left.
    DrawPoint Target(ChartScene& chart) const;
    bool AskAndTell(const Placement& placement) const;

    CStatus& status_;
};

}  // namespace qb
