#include "CGuiColumn.h"

#include <algorithm>

#include "CColumn.h"
#include "CGuiColumnArray.h"

namespace qb {

CGuiColumn::CGuiColumn(CColumn& data, CGuiColumnArray& holder)
    : CGuiObject(data.GetObjectId()),
      holder_(&holder),
      data_(&data),
      width_(data.GetWidth()),
      kind_(data.GetParamInt("_Auto", 0)) {}

void CGuiColumn::Draw(IDrawContext& /*dc*/, const GuiDrawArgs& /*args*/) {}

void CGuiColumn::CalcLayout(const ChartContext& /*chart*/) {}

bool CGuiColumn::HitTest(DrawPoint point) const {
    return IsVisible() && rect_.Contains(point);
}

int CGuiColumn::HitTestHandle(DrawPoint point, bool grow) const {
    GuiRect rect = rect_;
    if (grow) {
        rect.right += kGrip;
        rect.bottom += kGrip;
    }
    if (!IsVisible() || !rect.Contains(point))
        return kHandleNone;
    if (point.x > rect_.right - kGrip)
        return kHandleEnd;
    if (point.x < rect_.left + kGrip)
        return kHandleStart;
    return kHandleBody;
}

CData* CGuiColumn::GetData() const {
    return data_;
}

const CColumn& CGuiColumn::Shown() const {
    return preview_ != nullptr ? *preview_ : *data_;
}

void CGuiColumn::SetWidth(int width) {
    width_ = std::max(width, kMinWidth);
}

}  // namespace qb
