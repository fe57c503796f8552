#pragma once

#include <cstdint>
#include <optional>

#include "DrawTypes.h"

namespace qb {

class CGuiRow;
class CStatus;
class ChartScene;
class IPaneEdits;

// Moving a row by dragging it in the row header, without the window. Once
// the pointer has left the press by more than a few pixels vertically, the
// drop goes between two rows (the upper or lower quarter of a row: beside
// it, as its sibling) or onto a row (its middle: the row's last child). A
// row never goes into itself or one of its descendants. Points are
// row-header pixels.
class RowHeaderDrag {
public:
    // Vertical pixels the pointer moves before the drag begins.
    static constexpr int kStartDistance = 4;

    // Where a drop would put the row.
    struct Drop {
        std::int32_t ownerId = -1;
        // Among the owner's children, counted without the dragged row.
        int index = -1;
        // The marker: a line between rows (height 2) or a row's box.
        DrawRect marker;
        bool onto = false;
    };

    RowHeaderDrag(CStatus& status, ChartScene& scene, IPaneEdits& edits);

    // A press on a row of a writable document arms the drag; true then.
    bool Press(DrawPoint point);
    // True while the drop marker changed and the pane should be painted.
    bool Move(DrawPoint point);
    // Writes the move when a valid drop was shown; true when the pane should
    // be painted (the drag had begun).
    bool Release(DrawPoint point);
    // Escape, focus lost or a rebuild: nothing is written.
    bool Cancel();

    bool IsArmed() const { return rowId_ >= 0; }
    bool IsDragging() const { return dragging_; }
    // The current drop in pane pixels; nothing when there is no valid one.
    const std::optional<Drop>& CurrentDrop() const { return drop_; }
    // Where a drop at point would go, for the dragged row.
    std::optional<Drop> DropAt(DrawPoint point) const;

private:
    bool IsInsideDragged(const CGuiRow* row) const;
    int IndexWithout(const CGuiRow& sibling, int offset) const;
    std::optional<Drop> DropBelowAll() const;

    CStatus& status_;
    ChartScene& scene_;
    IPaneEdits& edits_;
    std::int32_t rowId_ = -1;
    int pressY_ = 0;
    bool dragging_ = false;
    std::optional<Drop> drop_;
};

}  // namespace qb
