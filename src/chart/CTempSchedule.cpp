#include "CTempSchedule.h"

#include <cmath>

#include "CDisplayModel.h"
#include "CGuiRow.h"
#include "COleDateTimeSpan.h"
#include "CRuler.h"
#include "ChartContext.h"
#include "PointSnap.h"

namespace qb {

namespace {

// Offset differences this small are rounding left from whole-day bars.
constexpr int kOffsetNoise = 10;

DateOffset StartOf(const CSchedule& schedule) {
    return DateOffset(schedule.GetStartDate().DatePart(), schedule.GetStartOffset());
}

DateOffset EndOf(const CSchedule& schedule) {
    return DateOffset(schedule.GetEndDate().DatePart(), schedule.GetEndOffset());
}

}  // namespace

CTempSchedule::CTempSchedule(std::unique_ptr<CSchedule> data, CGuiSchedule* source, CGuiRow* row,
                             Mode mode)
    : CGuiSchedule(*data, row),
      own_(std::move(data)),
      source_(source),
      mode_(mode),
      rowTop_(row != nullptr ? row->GetRect().top : 0),
      sourceStart_(StartOf(*own_)),
      sourceEnd_(EndOf(*own_)) {
    SetCreating(true);
    SetHidden(true);
}

DateOffset CTempSchedule::EdgeAt(int x, const CRuler& ruler, bool snap, bool point) {
    DateOffset position = ruler.XToDateOffset(x);
    if (!snap)
        return position;
    if (point)
        return DateOffset(position.date.DatePart(), DateOffset::kOffsetsPerDay / 2);
    return PointSnap::Boundary(position);
}

DateOffset CTempSchedule::MovedEnd(const DateOffset& start, const DateOffset& sourceStart,
                                   const DateOffset& sourceEnd) {
    const long days = (sourceEnd.date.DatePart() - sourceStart.date.DatePart()).GetDays();
    int shift = sourceEnd.offset - sourceStart.offset;
    const bool bothNearMidnight =
        sourceStart.offset < kOffsetNoise && sourceEnd.offset < kOffsetNoise;
    if (bothNearMidnight || std::abs(shift) < kOffsetNoise)
        shift = 0;
    DateOffset end(start.date.DatePart().AddDays(static_cast<int>(days)), start.offset + shift);
    end.Normalise();
    return end;
}

void CTempSchedule::RectToData(const GuiRect& rect, const ChartContext& chart, bool snapX) {
    if (chart.ruler == nullptr)
        return;
    const CRuler& ruler = *chart.ruler;
    const bool point = GetFields().IsPoint();
    TakeRow(rect.top, chart);
    switch (mode_) {
        case Mode::kCreate:
            SetStart(EdgeAt(rect.left, ruler, snapX, point));
            if (!point)
                SetEnd(EdgeAt(rect.right, ruler, snapX, false));
            break;
        case Mode::kResize: {
            // A snapped edge that would meet the other one stays where it was.
            const DateOffset start = StartOf(*own_);
            const DateOffset end = EndOf(*own_);
            if (edge_ == kHandleStart) {
                const DateOffset moved = EdgeAt(rect.left, ruler, snapX, false);
                if (moved < end)
                    SetStart(moved);
            } else {
                const DateOffset moved = EdgeAt(rect.right, ruler, snapX, false);
                if (start < moved)
                    SetEnd(moved);
            }
            break;
        }
        case Mode::kMove: {
            const DateOffset start = EdgeAt(rect.left, ruler, snapX, point);
            SetStart(start);
            if (!point)
                SetEnd(MovedEnd(start, sourceStart_, sourceEnd_));
            break;
        }
    }
    Recalc(chart);
}

void CTempSchedule::TakeRow(int top, const ChartContext& chart) {
    CGuiRow* row = chart.model != nullptr ? chart.model->RowAt(top) : nullptr;
    if (row == nullptr) {
        // Off the rows the bar keeps its offset and the row it last had.
        rowTop_ = top - own_->GetYOffset();
        return;
    }
    SetRow(row);
    rowTop_ = row->GetRect().top;
    own_->SetRowObjectId(row->GetObjectId());
    own_->SetYOffset(top - rowTop_);
    EditFields().rowObjectId = row->GetObjectId();
    EditFields().yOffset = top - rowTop_;
}

// A schedule that is not kept by whole days carries the time in its dates.
void CTempSchedule::SetStart(const DateOffset& start) {
    const COleDateTime date = own_->IsByDay() ? start.date.DatePart() : start.ToDateTime();
    own_->SetStartDate(date);
    own_->SetStartOffset(start.offset);
    EditFields().startDate = date;
    EditFields().startOffset = start.offset;
}

void CTempSchedule::SetEnd(const DateOffset& end) {
    const COleDateTime date = own_->IsByDay() ? end.date.DatePart() : end.ToDateTime();
    own_->SetEndDate(date);
    own_->SetEndOffset(end.offset);
    EditFields().endDate = date;
    EditFields().endOffset = end.offset;
}

void CTempSchedule::DrawTemp(IDrawContext& dc, const GuiDrawArgs& args) {
    if (IsShown())
        Draw(dc, args);
}

void CTempSchedule::Recalc(const ChartContext& chart) {
    LayOut(chart, rowTop_);
}

int CTempSchedule::SnapVertically(const CDisplayModel& model) const {
    return PointSnap::MiddleShift(GetRect(), model);
}

}  // namespace qb
