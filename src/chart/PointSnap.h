#pragma once

#include "DateOffset.h"
#include "DrawTypes.h"
#include "GuiRect.h"

namespace qb {

class CDisplayModel;
class CRuler;

// Snapping of a chart point: x to the nearest day boundary, y to its row's
// middle or to the middle of a 10-pixel cell of the row. Each is in force
// when its option is on or Shift is held, and never while Alt is held.
class PointSnap {
public:
    // Reach of the row's middle, in pixels.
    static constexpr int kMiddleReach = 5;
    static constexpr int kCell = 10;

    PointSnap() = default;
    PointSnap(bool x, bool y) : x_(x), y_(y) {}
    static PointSnap For(bool optionX, bool optionY, bool shift, bool alt);

    bool SnapsX() const { return x_; }
    bool SnapsY() const { return y_; }

    DrawPoint Snap(DrawPoint point, const CDisplayModel& model, const CRuler& ruler) const;
    // y on the row: the middle when within reach, else the middle of its cell.
    static int RowY(int y, const GuiRect& row);
    // How far a dragged object moves so that its vertical middle lies where
    // RowY puts it on the row there; 0 off the rows.
    static int MiddleShift(const GuiRect& object, const CDisplayModel& model);
    // The x of the day boundary nearest x.
    static int DayX(int x, const CRuler& ruler);
    // The nearest day boundary: past half the day the next day, offset 0.
    static DateOffset Boundary(const DateOffset& position);

private:
    bool x_ = false;
    bool y_ = false;
};

}  // namespace qb
