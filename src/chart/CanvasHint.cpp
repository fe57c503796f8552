#include "CanvasHint.h"

#include "CDisplayModel.h"
#include "CGuiObject.h"
#include "ChartScene.h"
#include "ChartTexts.h"
#include "GuiYIndex.h"
#include "Palette.h"

namespace qb {

namespace {

// Handles lie on and just outside the edges.
constexpr int kHandleMargin = 8;

int HandleIn(const GuiYIndex& index, DrawPoint point) {
    int handle = CGuiObject::kHandleNone;
    index.ForEachOverlapping(DrawRect{point.x, point.y, point.x + 1, point.y + 1}, kHandleMargin,
                             [&](CGuiObject& object) {
                                 if (handle > CGuiObject::kHandleBody || !object.IsSelected())
                                     return;
                                 handle = object.HitTestHandle(point);
                             });
    return handle;
}

}  // namespace

std::string CanvasHint::Text(const ChartScene& scene, const Palette& palette, DrawPoint point) {
    return ChartTexts::Text(scene.HintAt(point, palette.IsPointShape()));
}

CanvasCursor CanvasHint::Cursor(const CDisplayModel& model, DrawPoint chartPoint, bool memoMode) {
    if (memoMode)
        return CanvasCursor::kMemo;
    if (!model.IsBuilt())
        return CanvasCursor::kArrow;
    int handle = HandleIn(model.MemoIndex(), chartPoint);
    if (handle <= CGuiObject::kHandleBody)
        handle = HandleIn(model.ScheduleIndex(), chartPoint);
    return ForHandle(handle);
}

CanvasCursor CanvasHint::ForHandle(int handle) {
    switch (handle) {
        case CGuiObject::kHandleStart:
        case CGuiObject::kHandleEnd:
            return CanvasCursor::kSizeHorizontal;
        case CGuiObject::kHandleTop:
        case CGuiObject::kHandleBottom:
            return CanvasCursor::kSizeVertical;
        case CGuiObject::kHandleTopLeft:
        case CGuiObject::kHandleBottomRight:
            return CanvasCursor::kSizeDiagonalDown;
        case CGuiObject::kHandleTopRight:
        case CGuiObject::kHandleBottomLeft:
            return CanvasCursor::kSizeDiagonalUp;
        default:
            return CanvasCursor::kArrow;
    }
}

}  // namespace qb
