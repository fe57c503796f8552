#include "CGuiColumn.h"

#include <algorithm>

#include "CColumn.h"
#include "CDisplayModel.h"
#include "CGuiColumnArray.h"
#include "CRuler.h"
#include "GuiDrawArgs.h"
#include "IDrawContext.h"
#include "RowIcons.h"

namespace qb {

namespace {

constexpr DrawPen kHiddenNextPen{kPenDot, 1, 0xA0A0A0};
// The filter icon's top-left corner lies this far right of the column's
// left edge and above its bottom.
constexpr int kFilterIconLeft = 3;
constexpr int kFilterIconUp = 9;
// The icon is drawn about its centre.
constexpr int kFilterIconHalf = 3;

}  // namespace

CGuiColumn::CGuiColumn(CColumn& data, CGuiColumnArray& holder)
    : CGuiObject(data.GetObjectId()),
      holder_(&holder),
      data_(&data),
      width_(data.GetWidth()),
      kind_(data.GetParamInt("_Auto", 0)) {}

// The header box of one column; the pane is already white.
void CGuiColumn::Draw(IDrawContext& dc, const GuiDrawArgs& args) {
    if (IsHidden())
        return;
    const CColumn& shown = Shown();
    dc.SetFont(ToDrawFont(shown.GetHeaderFont()));
    dc.SetTextColour(shown.GetHeaderFontColor());
    dc.SetBackgroundMode(BackgroundMode::transparent);
    TextFormat format;
    format.vertical = VerticalAlign::centre;
    format.singleLine = false;
    dc.DrawText(shown.GetCaption(), DrawRect{rect_.left + 5, rect_.top, rect_.right, rect_.bottom},
                format);
    const CDisplayModel* model = args.chart.model;
    if (model != nullptr && model->Filters().Has(GetObjectId()))
        RowIcons::DrawFilterMarker(dc, DrawPoint{rect_.left + kFilterIconLeft + kFilterIconHalf,
                                                 rect_.bottom - kFilterIconUp + kFilterIconHalf});
    if (IsSelected())
        dc.DrawFocusRect(
            DrawRect{rect_.left + 2, rect_.top + 2, rect_.right - 2, rect_.bottom - 2});
    if (IsNextHidden()) {
        dc.SetPen(kHiddenNextPen);
        dc.DrawLine(DrawPoint{rect_.right - 1, rect_.top},
                    DrawPoint{rect_.right - 1, rect_.bottom});
    }
    dc.SetPen(ToDrawPen(shown.GetRightLineCode()));
    dc.DrawLine(DrawPoint{rect_.right, rect_.top}, DrawPoint{rect_.right, rect_.bottom});
}

// Columns are laid out in order, so the one before is already placed.
void CGuiColumn::CalcLayout(const ChartContext& /*chart*/) {
    const int index = GetIndex();
    GuiRect rect;
    rect.left = index > 0 ? holder_->At(static_cast<std::size_t>(index - 1))->rect_.right : 0;
    rect.right = IsHidden() ? rect.left : rect.left + width_;
    rect.top = 0;
    rect.bottom = CRuler::kHeight;
    rect_ = rect;
    holder_->Borders()[rect.right] = ToDrawPen(Shown().GetRightLineCode());
}

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

void CGuiColumn::SetPreview(const CColumn* values) {
    preview_ = values;
    width_ = std::max(Shown().GetWidth(), kMinWidth);
}

void CGuiColumn::SetWidth(int width) {
    width_ = std::max(width, kMinWidth);
}

bool CGuiColumn::IsNextHidden() const {
    const auto next = static_cast<std::size_t>(GetIndex()) + 1;
    return next < holder_->Size() && holder_->At(next)->IsHidden();
}

DrawPen CGuiColumn::ToDrawPen(const CPenInfo& pen) {
    return DrawPen{pen.GetStyle(), pen.GetWidth(), pen.GetColour()};
}

DrawFont CGuiColumn::ToDrawFont(const CFontInfo& font) {
    return DrawFont{font.GetFace(), font.GetSize(), font.GetStyleBits()};
}

}  // namespace qb
