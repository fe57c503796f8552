#include "CRuler.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "CFontInfo.h"
#include "CProject.h"
#include "CalendarSettings.h"
#include "EraYear.h"
#include "IDrawContext.h"
#include "RulerBands.h"
#include "RulerLabel.h"
#include "RulerRowBuilder.h"

namespace qb {

namespace {

// Days past the window's width that ScrollTo keeps built on the right.
constexpr int kScrollMarginDays = 3;

// The display period's limits are optional: the zero date marks one not set.
bool IsSet(const COleDateTime& limit) {
    return limit.IsValid() && limit != COleDateTime();
}

int ClampDays(double days) {
    return static_cast<int>(std::clamp(days, 0.0, static_cast<double>(TimeScale::kMaxDays)));
}

}  // namespace

CRuler::CRuler(const CalendarSettings& settings, HolidayCache* holidays)
    : settings_(settings),
      holidays_(holidays),
      scale_(COleDateTime::GetCurrentTime(), 1.0),
      end_(scale_.GetOrigin()),
      displayStart_(COleDateTime()),
      displayEnd_(COleDateTime()),
      fontFace_(CFontInfo::DefaultFace()) {}

void CRuler::SetView(int width, const COleDateTime& origin, const COleDateTime& end) {
    width_ = std::max(width, 0);
    scale_.SetOrigin(origin);
    const COleDateTime endDay = end.DatePart();
    end_ = endDay.IsValid() ? endDay : scale_.GetOrigin();
    const double days = static_cast<double>(std::max<std::int64_t>(scale_.DayIndex(end_), 0)) + 1;
    scale_.SetScale(width / days);
    Invalidate();
}

void CRuler::SetLimits(const COleDateTime& displayStart, const COleDateTime& displayEnd) {
    displayStart_ = IsSet(displayStart) ? displayStart.DatePart() : COleDateTime();
    displayEnd_ = IsSet(displayEnd) ? displayEnd.DatePart() : COleDateTime();
    Invalidate();
}

void CRuler::SetUnits(Band band, int unit, int format) {
    BandUnit& target = band == Band::upper ? upperUnit_ : lowerUnit_;
    target.unit = IsRulerUnit(unit) ? unit : kRulerDay;
    target.format = IsRulerFormat(target.unit, format) ? format : 0;
    Invalidate();
}

void CRuler::ApplyProject(const CProject& project, int setting) {
    ApplyBands(RulerBands::OfProject(project, setting));
    SetLimits(project.GetDisplayStartDate(), project.GetDisplayEndDate());
    SetFontFace(project.GetDefaultFont().GetFace());
}

void CRuler::ApplyBands(const RulerBands& bands) {
    SetUnits(Band::upper, bands.upperUnit, bands.upperFormat);
    SetUnits(Band::lower, bands.lowerUnit, bands.lowerFormat);
}

void CRuler::ScrollTo(const COleDateTime& day, int offset) {
    const COleDateTime target = day.DatePart();
    if (!target.IsValid()) {
        return;
    }
    const COleDateTime oldOrigin = GetOrigin();
    const COleDateTime oldEnd = end_;
    const int days = ClampDays(std::trunc(width_ / GetScale())) + kScrollMarginDays;
    const COleDateTime targetEnd = target.AddDays(days);
    if (!targetEnd.IsValid()) {
        return;  // too close to the calendar's last day to build past it
    }
    if (target > GetOrigin()) {
        ReachLaterDay(target, targetEnd, days);
    } else {
        ReachEarlierDay(target, targetEnd);
    }
    const bool originChanged = GetOrigin() != oldOrigin;
    if (originChanged) {
        left_ = DateOffsetToX(DateOffset(target, offset));
    }
    if (originChanged || end_ != oldEnd) {
        Invalidate();
        Rebuild();
        if (coordinatesChanged_) {
            coordinatesChanged_();
        }
    }
}

void CRuler::ReachLaterDay(const COleDateTime& target, const COleDateTime& targetEnd, int days) {
    end_ = std::max(end_, targetEnd);
    if (SpanPixels() < kMaxSpan) {
        return;
    }
    scale_.SetOrigin(end_.AddDays(-days));
    // An end far beyond the day would put the new origin past it; the day
    // then starts the span, as a day before the origin does.
    if (GetOrigin() > target) {
        scale_.SetOrigin(target);
        end_ = targetEnd;
    }
}

void CRuler::ReachEarlierDay(const COleDateTime& target, const COleDateTime& targetEnd) {
    scale_.SetOrigin(target);
    end_ = std::max(end_, targetEnd);
    if (SpanPixels() >= kMaxSpan) {
        end_ = targetEnd;
    }
}

void CRuler::Rebuild() {
    ExtendEndToWindow();
    COleDateTime last = end_;
    if (IsSet(displayEnd_) && displayEnd_ < last) {
        last = displayEnd_;
    }
    const RulerLabel labels(EraYear::FromSettings(settings_));
    const RulerRowBuilder builder(scale_, labels);
    upper_ = builder.Build(upperUnit_.unit, upperUnit_.format, last);
    lower_ = builder.Build(lowerUnit_.unit, lowerUnit_.format, last);
    if (lowerUnit_.unit == kRulerDay) {
        RulerRowBuilder::AddDayColours(lower_, holidays_);
    }
    ApplyLimitsToBoundaries();
    built_ = true;
}

void CRuler::ExtendEndToWindow() {
    const double visibleDays = std::floor((static_cast<double>(left_) + width_) / GetScale());
    const COleDateTime windowEnd = scale_.DayAt(ClampDays(visibleDays) + 1);
    if (windowEnd.IsValid() && (!end_.IsValid() || windowEnd > end_)) {
        end_ = windowEnd;
    }
}

// The display period cuts the bands: the last cell of each ends with the
// period's last day, and the first upper cell begins with its first day.
void CRuler::ApplyLimitsToBoundaries() {
    if (IsSet(displayEnd_) && end_ >= displayEnd_) {
        const int endX = DateToX(displayEnd_.AddDays(1));
        for (RulerRow* row : {&upper_, &lower_}) {
            if (!row->boundaries.empty()) {
                row->boundaries.back() = endX;
            }
        }
    }
    if (IsSet(displayStart_) && !upper_.boundaries.empty()) {
        upper_.boundaries.front() = DateToX(displayStart_);
    }
}

void CRuler::Paint(IDrawContext& dc) {
    Paint(dc, COleDateTime::GetCurrentTime());
}

void CRuler::Paint(IDrawContext& dc, const COleDateTime& today) {
    if (!built_) {
        Rebuild();
    }
    dc.SaveState();
    dc.FillRect(DrawRect{0, 0, width_, kHeight}, kWhite);
    dc.SetPen(DrawPen{kPenSolid, 1, kBlack});
    dc.SetBackgroundMode(BackgroundMode::transparent);
    const int lineEnd = DateToX(end_.AddDays(1)) - left_;
    dc.DrawLine(DrawPoint{0, kBandHeight}, DrawPoint{lineEnd, kBandHeight});
    PaintDayFills(dc, today);
    dc.SetTextColour(kBlack);
    dc.SetFont(DrawFont{fontFace_, settings_.rulerFontSize2, 0});
    PaintBand(dc, Band::lower);
    dc.SetTextColour(kBlack);
    dc.SetFont(DrawFont{fontFace_, settings_.rulerFontSize1, 0});
    PaintBand(dc, Band::upper);
    dc.RestoreState();
}

// Holiday backgrounds and today's yellow, below the mid line so that it stays whole.
void CRuler::PaintDayFills(IDrawContext& dc, const COleDateTime& today) const {
    const int top = kBandHeight + 1;
    if (lower_.HasColours() && settings_.paintHoliday) {
        for (std::size_t i = 0; i < lower_.CellCount(); ++i) {
            const int cellLeft = lower_.boundaries[i] - left_;
            const int cellRight = lower_.boundaries[i + 1] - left_;
            if (cellRight < 0) {
                continue;
            }
            if (cellLeft >= width_) {
                break;
            }
            if (lower_.backgroundColours[i] != kWhite && cellRight > cellLeft) {
                dc.FillRect(DrawRect{cellLeft, top, cellRight, kHeight},
                            lower_.backgroundColours[i]);
            }
        }
    }
    if (settings_.paintToday && today.IsValid()) {
        const int todayLeft = DateToX(today) - left_;
        const int todayRight = std::max(DateToX(today.AddDays(1)) - left_, todayLeft + 1);
        if (todayRight > 0 && todayLeft < width_) {
            dc.FillRect(DrawRect{todayLeft, top, todayRight, kHeight}, kTodayColour);
        }
    }
}

void CRuler::PaintBand(IDrawContext& dc, Band band) const {
    const RulerRow& row = GetRow(band);
    // Upper boundaries run through both bands, lower ones through the lower band only.
    const int top = band == Band::upper ? 0 : kBandHeight;
    for (std::size_t i = 0; i < row.CellCount(); ++i) {
        const int cellLeft = row.boundaries[i] - left_;
        const int cellRight = row.boundaries[i + 1] - left_;
        // A cell that ends on the left edge still draws its boundary there.
        if (cellRight < 0) {
            continue;
        }
        if (cellLeft >= width_) {
            break;
        }
        if (row.HasColours()) {
            dc.SetTextColour(row.textColours[i]);
        }
        dc.DrawLine(DrawPoint{cellRight, top}, DrawPoint{cellRight, kHeight});
        dc.DrawText(row.labels[i], DrawRect{cellLeft, top, cellRight, top + kBandHeight},
                    TextFormat::Centred());
    }
}

void CRuler::SetOrigin(const COleDateTime& origin) {
    scale_.SetOrigin(origin);
    Invalidate();
}

void CRuler::SetScale(double scale) {
    scale_.SetScale(scale);
    Invalidate();
}

void CRuler::SetWidth(int width) {
    width_ = std::max(width, 0);
    Invalidate();
}

void CRuler::SetScrollPosition(int left) {
    left_ = std::clamp(left, -TimeScale::kMaxX, TimeScale::kMaxX);
    Invalidate();
}

void CRuler::SetEnd(const COleDateTime& end) {
    const COleDateTime endDay = end.DatePart();
    if (endDay.IsValid()) {
        end_ = endDay;
        Invalidate();
    }
}

int CRuler::GetUnit(Band band) const {
    return band == Band::upper ? upperUnit_.unit : lowerUnit_.unit;
}

int CRuler::GetFormat(Band band) const {
    return band == Band::upper ? upperUnit_.format : lowerUnit_.format;
}

void CRuler::SetFontFace(std::string face) {
    fontFace_ = std::move(face);
}

void CRuler::SetHolidayCache(HolidayCache* holidays) {
    holidays_ = holidays;
    Invalidate();
}

void CRuler::SetCoordinatesChangedHandler(std::function<void()> handler) {
    coordinatesChanged_ = std::move(handler);
}

double CRuler::SpanPixels() const {
    return (static_cast<double>(scale_.DayIndex(end_)) + 1) * GetScale();
}

}  // namespace qb
