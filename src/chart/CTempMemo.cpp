#include "CTempMemo.h"

#include "CDisplayModel.h"
#include "CGuiRow.h"
#include "CRuler.h"
#include "ChartContext.h"
#include "PointSnap.h"

namespace qb {

CTempMemo::CTempMemo(std::unique_ptr<CMemo> data, CGuiMemo* source, CGuiRow* row)
    : CGuiMemo(*data, row),
      own_(std::move(data)),
      source_(source),
      rowTop_(row != nullptr ? row->GetRect().top : 0) {
    SetHidden(true);
}

void CTempMemo::RectToData(const GuiRect& rect, const ChartContext& chart, bool snapX) {
    if (chart.ruler == nullptr)
        return;
    DateOffset left = chart.ruler->XToDateOffset(rect.left);
    if (snapX)
        left = PointSnap::Boundary(left);
    own_->SetXDate(left.date.DatePart());
    own_->SetXOffset(left.offset);
    own_->SetWidth(rect.Width());
    own_->SetHeight(rect.Height());
    if (CGuiRow* row = chart.model != nullptr ? chart.model->RowAt(rect.top) : nullptr) {
        SetRow(row);
        rowTop_ = row->GetRect().top;
        own_->SetYRowId(row->GetObjectId());
        own_->SetYOffset(rect.top - rowTop_);
    } else {
        rowTop_ = rect.top - own_->GetYOffset();
    }
    Recalc(chart);
}

void CTempMemo::DrawTemp(IDrawContext& dc, const GuiDrawArgs& args) {
    if (IsShown())
        Draw(dc, args);
}

void CTempMemo::Recalc(const ChartContext& chart) {
    LayOut(chart, rowTop_);
}

int CTempMemo::SnapVertically(const CDisplayModel& model) const {
    return PointSnap::MiddleShift(GetRect(), model);
}

}  // namespace qb
