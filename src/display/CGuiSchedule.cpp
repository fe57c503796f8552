#include "CGuiSchedule.h"

#include <atomic>

#include "CDisplayModel.h"
#include "CGuiRow.h"
#include "CRuler.h"
#include "CSchedule.h"
#include "CaptionLayout.h"
#include "ChartContext.h"
#include "DateOffset.h"
#include "DisplaySettings.h"
#include "GuiDrawArgs.h"
#include "IDrawContext.h"
#include "ScheduleGeometry.h"
#include "SchedulePainter.h"
#include "TimeScale.h"

namespace qb {

CGuiSchedule::CGuiSchedule(CSchedule& data, CGuiRow* row)
    : CGuiObject(data.GetObjectId()),
      data_(&data),
      row_(row),
      stamp_(data.GetChangeStamp()),
      fields_(ScheduleFields::FromSchedule(data)) {}

bool CGuiSchedule::Shows(const CSchedule& data) const {
    return stamp_ == data.GetChangeStamp();
}

void CGuiSchedule::Renew(CSchedule& data, CGuiRow* row) {
    ResetViewState();
    data_ = &data;
    row_ = row;
    creating_ = false;
    holidays_ = nullptr;
}

CData* CGuiSchedule::GetData() const {
    return data_;
}

bool CGuiSchedule::CanBePlaced(const ChartContext& chart) const {
    if (row_ == nullptr || chart.ruler == nullptr || chart.model == nullptr)
        return false;
    return row_->PlacesSchedules(chart) && row_->GetHeight() >= fields_.yOffset;
}

namespace {

std::uint64_t NextPlaceVersion() {
    static std::atomic<std::uint64_t> last{0};
    return last.fetch_add(1, std::memory_order_relaxed) + 1;
}

}  // namespace

void CGuiSchedule::CalcLayout(const ChartContext& chart) {
    if (KeepsPlace(chart))
        return;
    if (!CanBePlaced(chart)) {
        // Nowhere stays nowhere: the version changes only when it was placed.
        if (layout_.placed || placeVersion_ == 0)
            placeVersion_ = NextPlaceVersion();
        layout_ = ScheduleLayout{};
        laidAt_ = LaidAt{};
        captionPlaced_ = false;
        rect_ = GuiRect{0, 0, 0, 0};
        return;
    }
    const LaidAt at = LaidAtNow(chart);
    LayOut(chart, at.rowTop);
    laidAt_ = at;
}

CGuiSchedule::LaidAt CGuiSchedule::LaidAtNow(const ChartContext& chart) const {
    const TimeScale& scale = chart.ruler->GetTimeScale();
    return LaidAt{true, row_->GetRect().top, row_->GetHeight(), scale.GetOrigin().GetDays(),
                  scale.GetScale()};
}

// The same values on a row of the same place and height, on the same scale:
// the same places, and the row still takes the schedule, as its height did
// at the last layout. The values are not read. The caption is measured again
// at the next draw, as after any layout; one never measured still has the
// place the layout gave it.
bool CGuiSchedule::KeepsPlace(const ChartContext& chart) {
    if (!layout_.placed || !laidAt_.valid || row_ == nullptr || chart.ruler == nullptr ||
        chart.model == nullptr || !row_->PlacesSchedules(chart) || LaidAtNow(chart) != laidAt_)
        return false;
    if (captionPlaced_) {
        layout_.caption = CaptionLayout::Place(fields_, layout_.bar, DrawSize{});
        captionPlaced_ = false;
    }
    const DrawRect& bar = layout_.bar;
    rect_ = GuiRect{bar.left, bar.top, bar.right, bar.bottom};
    return true;
}

void CGuiSchedule::LayOut(const ChartContext& chart, int rowTop) {
    placeVersion_ = NextPlaceVersion();
    layout_ = ScheduleLayout{};
    laidAt_ = LaidAt{};
    captionPlaced_ = false;
    if (chart.ruler == nullptr) {
        rect_ = GuiRect{0, 0, 0, 0};
        return;
    }
    const ScheduleGeometry geometry(fields_, chart.ruler->GetTimeScale());
    layout_.placed = true;
    layout_.bar = geometry.Bar(rowTop);
    layout_.hit = geometry.Hit(layout_.bar);
    layout_.actual = geometry.Actual(layout_.bar, kActualGap);
    geometry.PlaceShoulder(layout_.bar, layout_);
    layout_.captionFormat = CaptionLayout::Format(fields_);
    // Until the first draw measures the caption, an inside caption fills the
    // bar and the others take no room.
    layout_.caption = CaptionLayout::Place(fields_, layout_.bar, DrawSize{});
    const DrawRect& bar = layout_.bar;
    rect_ = GuiRect{bar.left, bar.top, bar.right, bar.bottom};
}

void CGuiSchedule::EnsureLayout(IDrawContext& dc, const GuiDrawArgs& args) {
    if (!rect_.IsLaidOut() && args.chart.model != nullptr) {
        CalcLayout(args.chart.model->LayoutContext());
    }
    EnsureCaption(dc, args);
}

void CGuiSchedule::EnsureCaption(IDrawContext& dc, const GuiDrawArgs& args) {
    if (captionPlaced_ || !layout_.placed) {
        return;
    }
    dc.SaveState();
    dc.SetFont(SchedulePainter::FontOf(fields_, args.chart.Display()));
    const DrawSize size = dc.MeasureText(fields_.caption);
    dc.RestoreState();
    layout_.caption = CaptionLayout::Place(fields_, layout_.bar, size);
    captionPlaced_ = true;
}

void CGuiSchedule::Draw(IDrawContext& dc, const GuiDrawArgs& args) {
    DrawShoulder(dc, args);
    DrawActual(dc, args);
    DrawBody(dc, args);
}

void CGuiSchedule::DrawShoulder(IDrawContext& dc, const GuiDrawArgs& args) {
    EnsureLayout(dc, args);
    if (!IsHidden()) {
        SchedulePainter(args.chart.Display(), holidays_)
            .DrawShoulder(dc, fields_, layout_, creating_);
    }
}

void CGuiSchedule::DrawActual(IDrawContext& dc, const GuiDrawArgs& args) {
    EnsureLayout(dc, args);
    if (!IsHidden()) {
        SchedulePainter(args.chart.Display(), holidays_).DrawActual(dc, fields_, layout_);
    }
}

void CGuiSchedule::DrawBody(IDrawContext& dc, const GuiDrawArgs& args) {
    EnsureLayout(dc, args);
    if (!IsHidden()) {
        SchedulePainter(args.chart.Display(), holidays_).DrawBody(dc, fields_, layout_);
    }
}

void CGuiSchedule::DrawSelection(IDrawContext& dc, const GuiDrawArgs& /*args*/) {
    if (IsVisible()) {
        dc.DrawFocusRect(layout_.hit);
    }
}

bool CGuiSchedule::HitTest(DrawPoint point) const {
    return IsVisible() && ScheduleGeometry::HitTest(layout_.hit, IsSelected(), point);
}

int CGuiSchedule::HitTestHandle(DrawPoint point) const {
    if (IsHidden()) {
        return kHandleNone;
    }
    return ScheduleGeometry::HandleAt(fields_, layout_, IsSelected(), point);
}

DrawPoint CGuiSchedule::AnchorPoint(int horz, int vert) const {
    return ScheduleGeometry::Anchor(fields_, layout_.bar, horz, vert);
}

bool CGuiSchedule::InDateRange(const COleDateTime& from, const COleDateTime& to) const {
    const COleDateTime start =
        ScheduleFields::Moment(fields_.startDate, fields_.startOffset, fields_.byDay);
    const COleDateTime end =
        fields_.IsPoint()
            ? start
            : ScheduleFields::Moment(fields_.endDate, fields_.endOffset, fields_.byDay);
    return start <= to && end >= from;
}

std::optional<DrawPoint> CGuiSchedule::LightningPoint(const COleDateTime& reference) const {
    if (!layout_.placed) {
        return std::nullopt;
    }
    return ScheduleGeometry::LightningPoint(fields_, layout_.bar, reference);
}

}  // namespace qb
