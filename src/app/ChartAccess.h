#pragma once

#include <cstdint>
#include <vector>

namespace qb {

class CDisplayModel;
class CStatus;
class ChartScene;
struct EditResult;

// What the row, column and filter commands share: the chart they work on,
// the selection as they read it, and the showing of a change.
class ChartAccess {
public:
    // The chart, when a document is open and one of its charts is shown.
    static ChartScene* Shown(CStatus& status);
    static bool IsWritable(const CStatus& status);
    // The display model built again from the project (a preview goes with
    // it), filtered, laid out at the same scroll position, and the window
    // told.
    static void Rebuild(CStatus& status, ChartScene& chart);
    // The model laid out again after its view state changed.
    static void Relayout(CStatus& status, ChartScene& chart);
    // Selects the object alone (none for kNoObject) and tells the window.
    static void SelectAlone(CStatus& status, ChartScene& chart, std::int32_t id);
    // Shows the message an edit came back with; true when it was done.
    static bool Report(CStatus& status, const EditResult& result);
    // The selected display objects of a type, in the order of selection.
    static std::vector<std::int32_t> Selected(const CDisplayModel& model, int type);
    // The selection holds objects of the type and nothing else.
    static bool OnlySelected(const CDisplayModel& model, int type);
};

}  // namespace qb
