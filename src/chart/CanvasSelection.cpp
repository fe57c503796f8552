#include "CanvasSelection.h"

#include <vector>

#include "CDisplayModel.h"
#include "CGuiObject.h"
#include "CGuiSchedule.h"
#include "GuiYIndex.h"

namespace qb {

namespace {

// Selected objects are grabbed a few pixels outside their rectangles.
constexpr int kHitMargin = 8;

CGuiObject* HitIn(const GuiYIndex& index, DrawPoint point) {
    CGuiObject* hit = nullptr;
    index.ForEachOverlapping(DrawRect{point.x, point.y, point.x + 1, point.y + 1}, kHitMargin,
                             [&](CGuiObject& object) {
                                 if (hit == nullptr && object.HitTest(point))
                                     hit = &object;
                             });
    return hit;
}

}  // namespace

CGuiObject* CanvasSelection::HitSchedule(const CDisplayModel& model, DrawPoint point) {
    return HitIn(model.ScheduleIndex(), point);
}

CGuiObject* CanvasSelection::HitMemo(const CDisplayModel& model, DrawPoint point) {
    return HitIn(model.MemoIndex(), point);
}

CGuiObject* CanvasSelection::HitLink(const CDisplayModel& model, DrawPoint point) {
    return HitIn(model.LinkIndex(), point);
}

CGuiObject* CanvasSelection::Hit(const CDisplayModel& model, DrawPoint point) {
    if (CGuiObject* schedule = HitSchedule(model, point))
        return schedule;
    if (CGuiObject* memo = HitMemo(model, point))
        return memo;
    return HitLink(model, point);
}

CGuiObject* CanvasSelection::Down(CDisplayModel& model, DrawPoint point, bool ctrl) {
    CGuiObject* hit = Hit(model, point);
    Press(model, hit, ctrl);
    return hit;
}

void CanvasSelection::Up(CDisplayModel& model, DrawPoint point, bool ctrl) {
    Release(model, ctrl ? Hit(model, point) : nullptr, ctrl);
}

void CanvasSelection::Press(CDisplayModel& model, const CGuiObject* hit, bool ctrl) {
    justSelected_ = -1;
    if (hit == nullptr) {
        if (!ctrl)
            model.ClearSelection();
        return;
    }
    if (!model.IsSelectedId(hit->GetObjectId())) {
        model.Select(hit->GetObjectId(), ctrl);
        justSelected_ = hit->GetObjectId();
    }
}

void CanvasSelection::Release(CDisplayModel& model, const CGuiObject* hit, bool ctrl) {
    if (ctrl && hit != nullptr && model.IsSelectedId(hit->GetObjectId()) &&
        hit->GetObjectId() != justSelected_)
        model.Deselect(hit->GetObjectId());
    justSelected_ = -1;
}

bool CanvasSelection::IsInside(const CGuiObject& object, const DrawRect& band) {
    if (!object.IsVisible())
        return false;
    const GuiRect rect = object.GetRect();
    if (rect.top < band.top || rect.bottom > band.bottom || rect.left < band.left)
        return false;
    // A point marker has no width: its left is all it needs inside.
    const bool point = object.GetObjectType() == CGuiObject::kSchedule &&
                       static_cast<const CGuiSchedule&>(object).GetFields().IsPoint();
    return point ? rect.left <= band.right : rect.right <= band.right;
}

void CanvasSelection::SelectInside(CDisplayModel& model, const DrawRect& band) {
    std::vector<std::int32_t> inside;
    auto collect = [&](CGuiObject& object) {
        if (IsInside(object, band))
            inside.push_back(object.GetObjectId());
    };
    model.ScheduleIndex().ForEachOverlapping(band, 0, collect);
    model.MemoIndex().ForEachOverlapping(band, 0, collect);
    model.LinkIndex().ForEachOverlapping(band, 0, collect);
    model.ClearSelection();
    for (std::int32_t id : inside)
        model.Select(id, true);
}

}  // namespace qb
