#pragma once

#include <cstdint>
#include <optional>

#include "CanvasInput.h"
#include "CanvasSelection.h"
#include "DrawTypes.h"
#include "PaneReply.h"

namespace qb {

class CGuiColumn;
class CGuiColumnArray;
class CStatus;
class ChartScene;
class IPaneEdits;

// The column header pane's mouse without the window: a press selects the
// column under it as the chart selects its objects; on a column's right
// border it starts a resize, on its body a move. The width follows the
// pointer at once and is written on release; a moved column takes the
// place of the column it is dropped on, so that it lands after a column
// further right and before one further left. Points are header-pane pixels.
class ColumnHeaderInput {
public:
    ColumnHeaderInput(CStatus& status, ChartScene& scene, IPaneEdits& edits);

    PaneReply LeftDown(const CanvasInput& input);
    PaneReply MouseMove(const CanvasInput& input);
    PaneReply LeftUp(const CanvasInput& input);
    PaneReply LeftDoubleClick(const CanvasInput& input);
    // Focus or capture lost: the width dragged so far goes back, nothing is
    // written.
    PaneReply Cancel();
    // The window rebuilt the model: the columns held are gone.
    void ModelRebuilt();

    // The split cursor belongs over a width handle.
    bool IsOnWidthHandle(DrawPoint point) const;
    bool IsDragging() const { return drag_ != Drag::kNone; }
    // While a move is dragged over another column: the x where it would
    // land.
    std::optional<int> DropMarkerX() const;

private:
    enum class Drag { kNone, kResize, kMove };

    const CGuiColumnArray& Columns() const;
    // The visible column whose width handle holds point, counting 3 pixels
    // past its right border; -1 for none.
    int WidthHandleAt(DrawPoint point) const;
    // The column a move would land on: the one under x, the last visible
    // one right of all; -1 for none.
    int DropTarget(int x) const;
    CGuiColumn* Column(int index) const;
    bool IsReadOnly() const;
    PaneReply FinishResize();
    PaneReply FinishMove(int x);
    void ApplyWidth(int width);

    CStatus& status_;
    ChartScene& scene_;
    IPaneEdits& edits_;
    CanvasSelection selection_;
    Drag drag_ = Drag::kNone;
    int index_ = -1;
    std::int32_t columnId_ = -1;
    int pressWidth_ = 0;
    int width_ = 0;
    int pointerX_ = 0;
    int pressX_ = 0;
    bool moved_ = false;
};

}  // namespace qb
