#pragma once

#include "CanvasInput.h"
#include "DrawTypes.h"
#include "PaneReply.h"

namespace qb {

class CGuiRow;
class ChartScene;

// The keys of the cell pane.
enum class CellKey { kEnter, kPageUp, kPageDown, kLeft, kRight, kUp, kDown };

// The column area's cell pane without the window: a click selects the row
// beside it and makes the column under it current; the arrows walk the
// cells, Enter and a double-click ask for the row's properties and for the
// cell's text. Points are cell-pane pixels; the pane scrolls with the chart.
class ColumnCellInput {
public:
    explicit ColumnCellInput(ChartScene& scene);

    PaneReply LeftDown(const CanvasInput& input);
    PaneReply LeftDoubleClick(const CanvasInput& input);
    // Keys with Shift or Ctrl held are not the pane's.
    PaneReply KeyDown(CellKey key, const CanvasInput& modifiers);

private:
    PaneReply MoveColumn(int step);
    PaneReply MoveRow(int step);
    // Scrolls so that the row is wholly in view when it fits.
    bool ScrollTo(const CGuiRow& row);
    CGuiRow* SelectedRow() const;

    ChartScene& scene_;
};

}  // namespace qb
