#include "PointSnap.h"

#include "CDisplayModel.h"
#include "CGuiRow.h"
#include "CRuler.h"

namespace qb {

PointSnap PointSnap::For(bool optionX, bool optionY, bool shift, bool alt) {
    if (alt)
        return PointSnap(false, false);
    return PointSnap(optionX || shift, optionY || shift);
}

DrawPoint PointSnap::Snap(DrawPoint point, const CDisplayModel& model, const CRuler& ruler) const {
    if (x_)
        point.x = DayX(point.x, ruler);
    if (y_) {
        if (const CGuiRow* row = model.RowAt(point.y))
            point.y = RowY(point.y, row->GetRect());
    }
    return point;
}

int PointSnap::MiddleShift(const GuiRect& object, const CDisplayModel& model) {
    const int middle = object.top + object.Height() / 2;
    const CGuiRow* row = model.RowAt(middle);
    if (row == nullptr)
        return 0;
    return RowY(middle, row->GetRect()) - middle;
}

int PointSnap::RowY(int y, const GuiRect& row) {
    const int middle = row.top + (row.bottom - row.top) / 2;
    if (y >= middle - kMiddleReach && y <= middle + kMiddleReach)
        return middle;
    // The cell that holds y, counted from the row's top; a point on the top
    // line itself belongs to the first cell, not to the row above.
    const int below = y - row.top;
    const int k = below <= kCell ? 1 : (below + kCell - 1) / kCell;
    return row.top + kCell * k - kCell / 2;
}

DateOffset PointSnap::Boundary(const DateOffset& position) {
    if (position.offset > DateOffset::kOffsetsPerDay / 2)
        return DateOffset(position.date.DatePart().AddDays(1), 0);
    return DateOffset(position.date.DatePart(), 0);
}

int PointSnap::DayX(int x, const CRuler& ruler) {
    return ruler.DateOffsetToX(Boundary(ruler.XToDateOffset(x)));
}

}  // namespace qb
