#pragma once

#include <cstdint>

#include "DrawTypes.h"

namespace qb {

class CDisplayModel;
class CGuiObject;

// The selection rules of the chart: a press selects what it hits (keeping
// the selection when it hits a selected object, so that a drag moves it
// all), Ctrl adds, and Ctrl on release takes an object out again unless the
// press has just selected it.
class CanvasSelection {
public:
    // Objects under a chart point, in the chart's order of precedence.
    static CGuiObject* HitSchedule(const CDisplayModel& model, DrawPoint point);
    static CGuiObject* HitMemo(const CDisplayModel& model, DrawPoint point);
    static CGuiObject* HitLink(const CDisplayModel& model, DrawPoint point);
    // Schedules, then memos, then links.
    static CGuiObject* Hit(const CDisplayModel& model, DrawPoint point);

    // The press: gives the object hit, or null.
    CGuiObject* Down(CDisplayModel& model, DrawPoint point, bool ctrl);
    void Up(CDisplayModel& model, DrawPoint point, bool ctrl);
    // The same rules for an object the caller found (null: nothing hit), so
    // that the column header selects as the chart does.
    void Press(CDisplayModel& model, const CGuiObject* hit, bool ctrl);
    void Release(CDisplayModel& model, const CGuiObject* hit, bool ctrl);
    std::int32_t JustSelected() const { return justSelected_; }

    // Every visible object wholly inside band becomes the selection.
    static void SelectInside(CDisplayModel& model, const DrawRect& band);
    static bool IsInside(const CGuiObject& object, const DrawRect& band);

private:
    std::int32_t justSelected_ = -1;
};

}  // namespace qb
