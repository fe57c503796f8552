#pragma once

#include <cstdint>
#include <string>

#include "CommandState.h"

namespace qb {

class CStatus;
class ChartScene;
class COleDateTime;

// The View menu's commands on the chart: hide and show rows and columns
// again, fold and unfold rows, scroll and jump along the time axis, set the
// period the scroll bar covers, and open the related information of the
// selection. They act on the chart the window shows, and are disabled while
// no chart is shown.
class ViewCommands {
public:
    explicit ViewCommands(CStatus& status) : status_(status) {}

    static bool Handles(int id);
    CommandState State(int id) const;
    // False when the command is disabled now or was cancelled.
    bool Execute(int id);

private:
    // The chart, when a document is open and one of its charts is shown.
    ChartScene* Chart() const;
    // The first selected row; -1 for none.
    std::int32_t SelectedRow(ChartScene& chart) const;
    bool IsEnabled(int id, ChartScene& chart) const;
    bool CanHide(ChartScene& chart) const;
    // The index of the first selected column; -1 for none.
    int SelectedColumn(ChartScene& chart) const;
    // The column beside the selected one (step -1 left, 1 right) is hidden.
    bool HasHiddenNeighbour(ChartScene& chart, int step) const;
    std::string FoldLabel(ChartScene& chart) const;
    std::string RelatedText(ChartScene& chart) const;

    bool ExecuteOnRows(int id, ChartScene& chart);
    void Hide(ChartScene& chart);
    bool Scroll(int id, ChartScene& chart);
    void JumpToLatestEnd(ChartScene& chart);
    bool ResetScrollRange(ChartScene& chart);
    bool CheckScrollRange(const ChartScene& chart, const COleDateTime& from,
                          const COleDateTime& to);
    bool OpenRelated(ChartScene& chart);
    void Changed(ChartScene& chart, bool rows);

    CStatus& status_;
};

}  // namespace qb
