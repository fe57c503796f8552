#pragma once

#include "GuiRect.h"

namespace qb {

class CData;
class CDisplayModel;
class CGuiObject;
class IDrawContext;
struct ChartContext;
struct GuiDrawArgs;

// A display object that a gesture reshapes in place of its source: it owns
// a private copy of the data, which follows its rectangle, and the data is
// written once when the gesture ends.
class ITempGuiObject {
public:
    virtual ~ITempGuiObject() = default;

    // The display object it stands in for; null for a new one.
    virtual CGuiObject* GetSource() const = 0;
    // Hidden until the gesture has moved far enough.
    virtual void ShowTemp(bool shown) = 0;
    virtual bool IsShown() const = 0;
    // Takes the rectangle into the private data (with X snapping when asked)
    // and places the object by the data again, so that what is shown is
    // where the data lands.
    virtual void RectToData(const GuiRect& rect, const ChartContext& chart, bool snapX) = 0;
    virtual GuiRect GetTempRect() const = 0;
    virtual void DrawTemp(IDrawContext& dc, const GuiDrawArgs& args) = 0;
    // Places the object by its private data.
    virtual void Recalc(const ChartContext& chart) = 0;
    // The pixels its vertical middle moves to snap to its row (0 off rows).
    virtual int SnapVertically(const CDisplayModel& model) const = 0;
    virtual CData& GetTempData() = 0;
};

}  // namespace qb
