#include "PaneLayout.h"

#include <algorithm>

#include "AppSettings.h"
#include "ViewStatus.h"

namespace qb {

PaneLayout::PaneLayout(int columnLeft, int canvasLeft) {
    Set(columnLeft, canvasLeft);
}

PaneLayout PaneLayout::FromSettings(const AppSettings& settings) {
    return PaneLayout(settings.columnLeft, settings.canvasLeft);
}

// The chart never starts left of the column area: a CanvasLeft before
// ColumnLeft means a column area of no width.
void PaneLayout::Set(int columnLeft, int canvasLeft) {
    columnLeft_ = std::clamp(columnLeft, kMinRowHeader, kMaxPosition);
    canvasLeft_ = std::clamp(canvasLeft, columnLeft_, columnLeft_ + kMaxPosition);
}

void PaneLayout::ApplySplits(int split1, int split2) {
    Set(split1 >= 0 ? split1 : columnLeft_, split2 >= 0 ? split2 : canvasLeft_);
}

void PaneLayout::PanesMoved(int rowHeaderWidth, int columnAreaWidth, bool columnAreaShown) {
    const int areaWidth = columnAreaShown ? std::max(0, columnAreaWidth) : ColumnAreaWidth();
    Set(rowHeaderWidth, rowHeaderWidth + areaWidth);
}

void PaneLayout::StoreTo(AppSettings& settings) const {
    settings.columnLeft = columnLeft_;
    settings.canvasLeft = canvasLeft_;
}

void PaneLayout::StoreTo(ViewStatus& status) const {
    status.split1 = columnLeft_;
    status.split2 = canvasLeft_;
}

}  // namespace qb
