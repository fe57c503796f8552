#pragma once

#include <cstdint>
#include <vector>

#include "CommandState.h"
#include "IDialogs.h"

namespace qb {

class CGuiObject;
class CStatus;
class ChartScene;
struct EditResult;

// The Edit and Insert menus' commands on the chart's objects: select all or
// the linked ones, the drag-select and memo input modes, delete, properties,
// the memo's text, a new link and a new schedule. They act on the chart the
// window shows, are disabled while no chart is shown, and those that change
// data are disabled for a read-only document.
class ChartCommands {
public:
    explicit ChartCommands(CStatus& status) : status_(status) {}

    static bool Handles(int id);
    CommandState State(int id) const;
    // False when the command is disabled now, was cancelled or refused.
    bool Execute(int id);

private:
    // The chart, when a document is open and one of its charts is shown.
    ChartScene* Chart() const;
    bool IsEnabled(int id, ChartScene& chart) const;
    bool IsWritable() const;
    // The selected schedules, memos and links, in the order of selection.
    std::vector<std::int32_t> SelectedObjects(ChartScene& chart) const;
    // The one selected schedule, memo or link; null for none or several.
    CGuiObject* SingleObject(ChartScene& chart) const;
    // The one selected object is of one of the types and shown, so that the
    // chart can work on it.
    bool IsSingle(ChartScene& chart, int type1, int type2 = -1) const;
    // The row a new schedule goes on: a selected row, or the row of a
    // selected schedule or memo; -1 for none.
    std::int32_t InsertionRow(ChartScene& chart) const;

    void SelectAll(ChartScene& chart);
    void SelectLinked(ChartScene& chart);
    bool ToggleMode(int mode);
    bool Delete(ChartScene& chart);
    bool EditProperties(ChartScene& chart);
    bool BeginLink();
    bool InsertSchedule(ChartScene& chart);
    IDialogs::ObjectPreview Preview();
    // Shows the message an edit came back with; true when it was done.
    bool Report(const EditResult& result);

    CStatus& status_;
};

}  // namespace qb
