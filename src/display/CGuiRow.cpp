#include "CGuiRow.h"

#include <algorithm>
#include <cstdio>

#include "CDisplayModel.h"
#include "CRow.h"
#include "CRowArray.h"
#include "ChartContext.h"
#include "GuiDrawArgs.h"
#include "IDrawContext.h"
#include "RowIcons.h"

namespace qb {

namespace {

constexpr DrawColour kObjectIdBox = 0xC0C0FF;
constexpr DrawPen kHiddenNextPen{kPenDot, 1, 0xA0A0A0};
// An ideographic space separates the number from the caption.
constexpr const char* kNumberSeparator = "\xE3\x80\x80";

DrawPen ToDrawPen(const CPenInfo& pen) {
    return DrawPen{pen.GetStyle(), pen.GetWidth(), pen.GetColour()};
}

DrawFont ToDrawFont(const CFontInfo& font) {
    return DrawFont{font.GetFace(), font.GetSize(), font.GetStyleBits()};
}

}  // namespace

CGuiRow::CGuiRow(CRow& data, CGuiRowArray& holder, int level)
    : CGuiObject(data.GetObjectId()),
      data_(&data),
      stamp_(data.GetChangeStamp()),
      level_(level),
      height_(0),
      width_(0),
      holder_(&holder),
      children_(std::make_unique<CGuiRowArray>(this)) {
    CopyShownValues();
}

bool CGuiRow::Shows(const CRow& data) const {
    return preview_ == nullptr && stamp_ == data.GetChangeStamp();
}

void CGuiRow::Renew(CRow& data) {
    ResetViewState();
    data_ = &data;
    serial_ = -1;
    totals_ = {};
    summaryBar_.reset();
    previousVisible_ = nullptr;
    filteredOut_ = 0;
    folded_ = 0;
    visible_ = 1;
    hasFilterMarker_ = false;
    hasSummaryMarker_ = false;
    hasTotalBox_ = false;
    placesSchedules_ = false;
    totalBox_ = GuiRect{};
    summaryMarker_ = DrawPoint{};
    filterMarker_ = DrawPoint{};
}

void CGuiRow::CopyShownValues() {
    const CRow& shown = Shown();
    height_ = shown.GetHeight();
    width_ = shown.GetWidth();
    caption_ = shown.GetCaption();
    bottomPen_ = ToDrawPen(shown.GetBottomLinePen());
    backColour_ = static_cast<DrawColour>(
                      shown.GetParamInt("_BackColor", static_cast<std::int32_t>(kWhite))) &
                  0xFFFFFFu;
}

const CRow& CGuiRow::Shown() const {
    return preview_ != nullptr ? *preview_ : *data_;
}

void CGuiRow::SetPreview(const CRow* values) {
    preview_ = values;
    CopyShownValues();
}

CGuiRow::~CGuiRow() = default;

CData* CGuiRow::GetData() const {
    return data_;
}

void CGuiRow::SetSummaryBar(std::unique_ptr<CGuiObject> bar) {
    summaryBar_ = std::move(bar);
}

bool CGuiRow::AreAllChildrenHidden() const {
    if (children_->Empty())
        return false;
    for (const auto& child : *children_) {
        if (!child->IsHidden())
            return false;
    }
    return true;
}

bool CGuiRow::IsFilteredOut() const {
    if (!filteredOut_)
        return false;
    for (const auto& child : *children_) {
        if (!child->IsFilteredOut())
            return false;
    }
    return true;
}

namespace {

// Whether some row below holds no filtered-out flag; in box mode only rows
// without children count.
bool AnyDescendantKept(const CGuiRowArray& rows, bool leavesOnly) {
    for (const auto& row : rows) {
        const bool leaf = !row->HasChildren();
        if ((leaf || !leavesOnly) && !row->GetFilteredOutFlag())
            return true;
        if (AnyDescendantKept(row->GetChildren(), leavesOnly))
            return true;
    }
    return false;
}

}  // namespace

bool CGuiRow::PassesFilter(bool indentMode) const {
    if (indentMode)
        return !filteredOut_ || AnyDescendantKept(*children_, false);
    if (!HasChildren())
        return !filteredOut_;
    return AnyDescendantKept(*children_, true);
}

bool CGuiRow::IsBand(bool indentMode) const {
    return indentMode || !HasChildren() || IsFolded() || AreAllChildrenHidden();
}

bool CGuiRow::CanTakeObjects(bool indentMode) const {
    return IsVisible() && !IsFilteredOut() && IsBand(indentMode);
}

bool CGuiRow::PlacesSchedules(const ChartContext& chart) const {
    return rect_.IsLaidOut() ? placesSchedules_ : WorkOutPlacesSchedules(chart);
}

bool CGuiRow::WorkOutPlacesSchedules(const ChartContext& chart) const {
    const bool indentMode = chart.model != nullptr && chart.model->IsIndentMode();
    if (!CanTakeObjects(indentMode))
        return false;
    return !chart.summaryMode || !(IsFolded() || (indentMode && HasChildren()));
}

bool CGuiRow::IsExpandedParent() const {
    return HasChildren() && !IsFolded() && !AreAllChildrenHidden();
}

int CGuiRow::HeightContribution() const {
    if (AreAllChildrenHidden())
        return height_;
    if (!IsFolded() && HasChildren()) {
        int sum = 0;
        for (const auto& child : *children_)
            sum += child->HeightContribution();
        return sum;
    }
    if (IsFilteredOut() || !IsVisible())
        return 0;
    return height_;
}

int CGuiRow::LeftOffset() const {
    int left = 0;
    for (const CGuiRow* parent = GetParent(); parent; parent = parent->GetParent())
        left += parent->width_;
    return left;
}

CGuiRow* CGuiRow::PrevSibling() const {
    const auto index = static_cast<std::size_t>(GetIndex());
    return index == 0 ? nullptr : holder_->At(index - 1);
}

CGuiRow* CGuiRow::NextSibling() const {
    const auto index = static_cast<std::size_t>(GetIndex()) + 1;
    return index < holder_->Size() ? holder_->At(index) : nullptr;
}

bool CGuiRow::IsLastChild() const {
    return static_cast<std::size_t>(GetIndex()) + 1 == holder_->Size();
}

const CGuiRow* CGuiRow::LastVisibleDescendant() const {
    const CGuiRow* row = this;
    for (;;) {
        const CGuiRow* last = nullptr;
        const CGuiRowArray& children = row->GetChildren();
        for (std::size_t i = children.Size(); i-- > 0;) {
            if (children.At(i)->IsVisible()) {
                last = children.At(i);
                break;
            }
        }
        if (!last)
            return row;
        row = last;
    }
}

int CGuiRow::SubtreeDepth() const {
    int depth = 0;
    for (const auto& child : *children_)
        depth = std::max(depth, child->SubtreeDepth() + 1);
    return depth;
}

bool CGuiRow::HitTest(DrawPoint point) const {
    if (data_->IsDeleted() || !IsVisible())
        return false;
    return rect_.IsLaidOut() && rect_.Contains(point);
}

void CGuiRow::SetPreviousVisible(const CGuiRow* previous) {
    previousVisible_ = previous;
}

int CGuiRow::LayoutTop(bool indentMode) const {
    if (const CGuiRow* previous = previousVisible_) {
        if (indentMode && previous->HasChildren() && !previous->IsFolded())
            return previous->LastVisibleDescendant()->rect_.bottom;
        return previous->rect_.bottom;
    }
    if (const CGuiRow* parent = GetParent())
        return indentMode ? parent->rect_.bottom : parent->rect_.top;
    return 0;
}

void CGuiRow::CalcLayout(const ChartContext& chart) {
    const bool indentMode = chart.model && chart.model->IsIndentMode();
    GuiRect rect;
    rect.left = indentMode ? 0 : LeftOffset();
    rect.right = !indentMode && IsExpandedParent() ? rect.left + width_ : chart.headerWidth;
    rect.top = LayoutTop(indentMode);
    if (indentMode)
        rect.bottom = rect.top + height_;
    else if (IsExpandedParent())
        rect.bottom = rect.top + HeightContribution();
    else
        rect.bottom = IsVisible() ? rect.top + height_ : rect.top;
    placesSchedules_ = WorkOutPlacesSchedules(chart);
    rect_ = rect;
    PlaceMarkers(chart, indentMode);
}

void CGuiRow::PlaceMarkers(const ChartContext& chart, bool indentMode) {
    int placed = 0;
    hasFilterMarker_ = chart.model != nullptr && chart.model->IsFilterOnCaptions() && !IsPreview();
    if (hasFilterMarker_) {
        filterMarker_ = DrawPoint{rect_.right - 9, rect_.bottom - 11};
        ++placed;
    }
    hasSummaryMarker_ =
        chart.summaryMode && IsVisible() && HasChildren() && (IsFolded() || indentMode);
    if (hasSummaryMarker_) {
        summaryMarker_ = DrawPoint{rect_.right - 9 - kMarkerStep * placed, rect_.bottom - 11};
        ++placed;
    }
    hasTotalBox_ = chart.ShowTotal();
    if (hasTotalBox_)
        totalBox_ = GuiRect{rect_.left, rect_.bottom - 12, rect_.right - 3 - kMarkerStep * placed,
                            rect_.bottom};
}

// A previewed row shows the dialog's colour even when it is white.
void CGuiRow::FillBackground(IDrawContext& dc, const DrawRect& rect) const {
    if (backColour_ != kWhite || IsPreview())
        dc.FillRect(rect, backColour_);
}

void CGuiRow::Draw(IDrawContext& dc, const GuiDrawArgs& args) {
    if (!IsVisible() || !rect_.IsLaidOut())
        return;
    const CDisplayModel* model = args.chart.model;
    const bool indentMode = model && model->IsIndentMode();
    FillBackground(dc, rect_.ToDrawRect());
    int indent = model && model->GetRenban() != 3 ? level_ * model->GetIndent() : 0;
    if (HasChildren())
        RowIcons::DrawFold(dc, DrawPoint{rect_.left + 3 + indent, rect_.top + 5},
                           AreAllChildrenHidden() ? RowIcons::Fold::allHidden
                           : IsFolded()           ? RowIcons::Fold::folded
                                                  : RowIcons::Fold::expanded);
    if (HasChildren() || indentMode)
        indent += kIconSpace;
    DrawCaption(dc, args, indent);
    DrawMarkers(dc);
    DrawTotal(dc);
    if (IsSelected() && !args.cellCurrent)
        dc.DrawFocusRect(
            DrawRect{rect_.left + 2, rect_.top + 2, rect_.right - 2, rect_.bottom - 2});
    DrawHiddenNextMark(dc);
    DrawBottomLine(dc, model ? args.chart.headerWidth : rect_.right);
    if (!indentMode && IsExpandedParent())
        DrawRightEdge(dc);
}

std::string CGuiRow::DisplayText(int renban) const {
    if (renban == 0)
        return caption_;
    std::string text = numberText_;
    text += kNumberSeparator;
    text += caption_;
    return text;
}

void CGuiRow::DrawCaption(IDrawContext& dc, const GuiDrawArgs& args, int indent) const {
    const std::string text = DisplayText(args.chart.model ? args.chart.model->GetRenban() : 0);
    const DrawRect box{rect_.left + 5 + indent, rect_.top + 5, rect_.right, rect_.bottom};
    dc.SetFont(ToDrawFont(Shown().GetTextFont()));
    dc.SetTextColour(Shown().GetTextColor());
    dc.SetBackgroundMode(BackgroundMode::transparent);
    TextFormat format;
    format.singleLine = false;
    dc.DrawText(text, box, format);
    if (!args.showObjectId)
        return;
    char id[16];
    std::snprintf(id, sizeof id, "%d", GetObjectId());
    const DrawSize textSize = dc.MeasureText(text);
    const DrawSize idSize = dc.MeasureText(id);
    const int idLeft = box.left + textSize.width + 2;
    const DrawRect idBox{idLeft, box.top, idLeft + idSize.width, box.top + idSize.height};
    dc.FillRect(idBox, kObjectIdBox);
    dc.DrawText(id, idBox, TextFormat{});
}

void CGuiRow::DrawMarkers(IDrawContext& dc) const {
    if (hasFilterMarker_)
        RowIcons::DrawFilterMarker(dc, filterMarker_);
    if (hasSummaryMarker_)
        RowIcons::DrawSummaryMarker(dc, summaryMarker_);
}

void CGuiRow::DrawTotal(IDrawContext& dc) const {
    if (!hasTotalBox_ || totals_[0] == 0.0)
        return;
    char text[64];
    std::snprintf(text, sizeof text, "%.1f", totals_[0]);
    dc.SetTextColour(Shown().GetTextColor());
    TextFormat format;
    format.horizontal = HorizontalAlign::right;
    dc.DrawText(text, totalBox_.ToDrawRect(), format);
}

void CGuiRow::DrawHiddenNextMark(IDrawContext& dc) const {
    const CGuiRow* next = NextSibling();
    if (!next || !next->IsHidden())
        return;
    dc.SetPen(kHiddenNextPen);
    dc.DrawLine(DrawPoint{rect_.left, rect_.bottom - 1}, DrawPoint{rect_.right, rect_.bottom - 1});
}

// The last visible row of a box closes that box: its line starts at the
// outermost such ancestor's left edge.
int CGuiRow::BottomLineLeft() const {
    int left = rect_.left;
    for (const CGuiRow* parent = GetParent(); parent; parent = parent->GetParent()) {
        if (parent->LastVisibleDescendant() == this)
            left = parent->rect_.left;
    }
    return left;
}

const CGuiRow* CGuiRow::OutermostClosedAncestor() const {
    const CGuiRow* outermost = nullptr;
    for (const CGuiRow* parent = GetParent(); parent; parent = parent->GetParent()) {
        if (parent->LastVisibleDescendant() == this)
            outermost = parent;
    }
    return outermost;
}

void CGuiRow::DrawBottomLine(IDrawContext& dc, int paneRight) const {
    dc.SetPen(bottomPen_);
    dc.DrawLine(DrawPoint{BottomLineLeft(), rect_.bottom}, DrawPoint{paneRight, rect_.bottom});
}

void CGuiRow::DrawRightEdge(IDrawContext& dc) const {
    dc.SetPen(ToDrawPen(Shown().GetRightLinePen()));
    dc.DrawLine(DrawPoint{rect_.right, rect_.bottom}, DrawPoint{rect_.right, rect_.top});
}

DrawPen CGuiRow::BandPen(bool indentMode) const {
    if (indentMode) {
        if (const CGuiRow* ancestor = OutermostClosedAncestor())
            return ancestor->bottomPen_;
    }
    return bottomPen_;
}

}  // namespace qb
