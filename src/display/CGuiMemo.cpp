#include "CGuiMemo.h"

#include "CDisplayModel.h"
#include "CGuiRow.h"
#include "CMemo.h"
#include "CRuler.h"
#include "ChartContext.h"
#include "DateOffset.h"
#include "DisplaySettings.h"
#include "GuiDrawArgs.h"
#include "IDrawContext.h"

namespace qb {

namespace {

DrawRect Grown(const GuiRect& r, int by) {
    return DrawRect{r.left - by, r.top - by, r.right + by, r.bottom + by};
}

bool Inside(const DrawRect& r, DrawPoint p) {
    return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

HorizontalAlign HorizontalOf(int hAlign) {
    return hAlign == 1   ? HorizontalAlign::centre
           : hAlign == 2 ? HorizontalAlign::right
                         : HorizontalAlign::left;
}

}  // namespace

CGuiMemo::CGuiMemo(CMemo& data, CGuiRow* row)
    : CGuiObject(data.GetObjectId()), data_(&data), row_(row) {}

CData* CGuiMemo::GetData() const {
    return data_;
}

int CGuiMemo::LeftX(const CRuler& ruler) const {
    return ruler.DateOffsetToX(DateOffset(data_->GetXDate().DatePart(), data_->GetXOffset()));
}

// Unlike a schedule, a memo may reach below its row.
bool CGuiMemo::CanBePlaced(const ChartContext& chart) const {
    if (row_ == nullptr || chart.model == nullptr || !row_->IsVisible()) {
        return false;
    }
    if (!row_->CanTakeObjects(chart.model->IsIndentMode())) {
        return false;
    }
    return !chart.summaryMode || !row_->IsFolded();
}

void CGuiMemo::CalcLayout(const ChartContext& chart) {
    placed_ = false;
    ruler_ = chart.ruler;
    if (ruler_ == nullptr) {
        rect_ = GuiRect{0, 0, 0, 0};
        return;
    }
    const int left = LeftX(*ruler_);
    rect_ = GuiRect{left, 0, left + data_->GetWidth(), 0};
    if (!CanBePlaced(chart)) {
        return;
    }
    LayOut(chart, row_->GetRect().top);
}

void CGuiMemo::LayOut(const ChartContext& chart, int rowTop) {
    ruler_ = chart.ruler;
    if (ruler_ == nullptr) {
        placed_ = false;
        rect_ = GuiRect{0, 0, 0, 0};
        return;
    }
    const int left = LeftX(*ruler_);
    rect_ = GuiRect{left, 0, left + data_->GetWidth(), 0};
    placed_ = true;
    rect_.top = rowTop + data_->GetYOffset();
    rect_.bottom = rect_.top + data_->GetHeight();
    const int inset = kTextMargin + data_->GetBorderPen().GetWidth();
    textRect_ =
        DrawRect{rect_.left + inset, rect_.top + inset, rect_.right - inset, rect_.bottom - inset};
}

void CGuiMemo::Draw(IDrawContext& dc, const GuiDrawArgs& args) {
    if (!rect_.IsLaidOut() && args.chart.model != nullptr) {
        CalcLayout(args.chart.model->LayoutContext());
    }
    if (!IsVisible()) {
        return;
    }
    dc.SaveState();
    DrawBox(dc);
    DrawMemoText(dc, args);
    dc.RestoreState();
}

// A memo without its background paint lets what lies under it show through.
void CGuiMemo::DrawBox(IDrawContext& dc) const {
    const CPenInfo& pen = data_->GetBorderPen();
    dc.SetPen(DrawPen{pen.GetStyle(), pen.GetWidth(), pen.GetColour()});
    dc.SetBrush(data_->IsBgPaint() ? DrawBrush::Solid(data_->GetBgColor()) : DrawBrush::Hollow());
    dc.Rectangle(rect_.ToDrawRect());
}

// The lines keep their breaks; a centred or bottom-aligned text is placed
// as one block by its measured height.
void CGuiMemo::DrawMemoText(IDrawContext& dc, const GuiDrawArgs& args) const {
    const CFontInfo& font = data_->GetTextFont();
    if (font.IsValid()) {
        dc.SetFont(DrawFont{font.GetFace(), font.GetSize(), font.GetStyleBits()});
    } else {
        dc.SetFont(DrawFont{args.chart.Display().guiFont, CFontInfo::kDefaultSize, 0});
    }
    dc.SetTextColour(data_->GetTextColor());
    dc.SetBackgroundMode(BackgroundMode::transparent);
    dc.IntersectClip(textRect_);
    DrawRect place = textRect_;
    const int vAlign = data_->GetVAlign();
    if (vAlign == 1 || vAlign == 2) {
        const int height = dc.MeasureText(data_->GetText()).height;
        place.top = vAlign == 1 ? textRect_.top + (textRect_.Height() - height) / 2
                                : textRect_.bottom - height;
        place.bottom = place.top + height;
    }
    TextFormat format;
    format.horizontal = HorizontalOf(data_->GetHAlign());
    format.singleLine = false;
    format.clip = false;
    dc.DrawText(data_->GetText(), place, format);
}

void CGuiMemo::DrawSelection(IDrawContext& dc, const GuiDrawArgs& /*args*/) {
    if (IsVisible()) {
        dc.DrawFocusRect(rect_.ToDrawRect());
    }
}

bool CGuiMemo::HitTest(DrawPoint point) const {
    if (!IsVisible()) {
        return false;
    }
    return Inside(Grown(rect_, IsSelected() ? kGrab : 0), point);
}

int CGuiMemo::HitTestHandle(DrawPoint point) const {
    return HandleAt(point, IsSelected());
}

int CGuiMemo::HandleAt(DrawPoint point, bool grown) const {
    const DrawRect r = Grown(rect_, grown ? kGrab : 0);
    if (!IsVisible() || !Inside(r, point)) {
        return kHandleNone;
    }
    if (!IsSelected()) {
        return kHandleBody;
    }
    const bool top = point.y < r.top + kGrab;
    const bool bottom = point.y > r.bottom - kGrab;
    if (point.x < r.left + kGrab) {
        return top ? kHandleTopLeft : bottom ? kHandleBottomLeft : kHandleStart;
    }
    if (point.x > r.right - kGrab) {
        return top ? kHandleTopRight : bottom ? kHandleBottomRight : kHandleEnd;
    }
    return top ? kHandleTop : bottom ? kHandleBottom : kHandleBody;
}

DrawPoint CGuiMemo::AnchorPoint(int horz, int vert) const {
    const int x = horz == 1   ? rect_.left + (rect_.right - rect_.left) / 2
                  : horz == 2 ? rect_.right
                              : rect_.left;
    const int y = vert == 1   ? rect_.top + (rect_.bottom - rect_.top) / 2
                  : vert == 2 ? rect_.bottom
                              : rect_.top;
    return DrawPoint{x, y};
}

bool CGuiMemo::InDateRange(const COleDateTime& from, const COleDateTime& to) const {
    const COleDateTime& date = data_->GetXDate();
    if (date > to) {
        return false;
    }
    if (date >= from) {
        return true;
    }
    if (ruler_ == nullptr) {
        return false;
    }
    return LeftX(*ruler_) + data_->GetWidth() > ruler_->DateToX(from.DatePart());
}

}  // namespace qb
