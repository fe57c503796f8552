#include "CGuiObject.h"

#include "IDrawContext.h"

namespace qb {

void CGuiObject::DrawSelection(IDrawContext& dc, const GuiDrawArgs& /*args*/) {
    if (rect_.IsLaidOut())
        dc.DrawFocusRect(rect_.ToDrawRect());
}

bool CGuiObject::HitTest(DrawPoint point) const {
    return IsVisible() && rect_.IsLaidOut() && rect_.Contains(point);
}

int CGuiObject::HitTestHandle(DrawPoint /*point*/) const {
    return kHandleNone;
}

DrawPoint CGuiObject::AnchorPoint(int /*horz*/, int /*vert*/) const {
    return DrawPoint{0, 0};
}

void CGuiObject::CollectLinked(std::vector<std::int32_t>& /*ids*/) const {}

bool CGuiObject::InDateRange(const COleDateTime& /*from*/, const COleDateTime& /*to*/) const {
    return false;
}

}  // namespace qb
