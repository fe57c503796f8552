#pragma once

#include <cstdint>
#include <string>

#include "CommandState.h"
#include "IDialogs.h"

namespace qb {

class CColumn;
class CDisplayModel;
class CGuiColumn;
class CStatus;
class ChartScene;

// The commands on the column area: insert a column, and, while the
// selection holds one column, its properties and its deletion; the text of
// the current cell typed in place. The header's drags and the in-place
// editor hand their results to the Commit methods. Each change is one step
// of the edit transaction and is refused for a read-only document.
class ColumnCommands {
public:
    explicit ColumnCommands(CStatus& status) : status_(status) {}

    static bool Handles(int id);
    // Properties and delete belong to the columns while the selection holds
    // columns alone; text editing while one row is selected and a cell of
    // the cell pane is current.
    bool Takes(int id) const;
    CommandState State(int id) const;
    // False when the command is disabled now, was cancelled or refused.
    bool Execute(int id);

    // The text the in-place editor confirmed for a cell of a free-text
    // column; refused while the column is a filter condition.
    bool CommitCellText(std::int32_t rowId, std::int32_t columnId, const std::string& text);
    // A width dragged in the header (at least 10 pixels).
    bool CommitWidth(std::int32_t columnId, int width);
    // A column dragged to index among the columns the area shows, counted
    // without it (past the last: to the end).
    bool CommitMove(std::int32_t columnId, int index);

private:
    bool IsEnabled(int id, ChartScene& chart) const;
    // The one selected column; null for none or several.
    static CGuiColumn* SelectedColumn(const CDisplayModel& model);
    // The column of the current cell; null for none.
    static CGuiColumn* CurrentColumn(const CDisplayModel& model);
    // The column's position in the project's column array.
    int DataIndex(const CColumn& column) const;
    bool RefuseFiltered(const CDisplayModel& model, std::int32_t columnId);

    bool Insert(ChartScene& chart);
    bool EditProperties(ChartScene& chart);
    bool Delete(ChartScene& chart);
    bool EditCell(ChartScene& chart);
    IDialogs::ObjectPreview Preview(ChartScene& chart, std::int32_t columnId);

    CStatus& status_;
};

}  // namespace qb
