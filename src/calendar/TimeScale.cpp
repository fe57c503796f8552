#include "TimeScale.h"

#include <algorithm>
#include <cmath>

namespace qb {

namespace {

// How many days around x / scale XToDate tries before it gives up.
constexpr int kSearchCandidates = 99;

int ClampX(double x) {
    if (!(x > -TimeScale::kMaxX)) {
        return -TimeScale::kMaxX;
    }
    return x < TimeScale::kMaxX ? static_cast<int>(x) : TimeScale::kMaxX;
}

std::int64_t ClampDays(double days) {
    if (!(days > -TimeScale::kMaxDays)) {
        return -TimeScale::kMaxDays;
    }
    return days < TimeScale::kMaxDays ? static_cast<std::int64_t>(days) : TimeScale::kMaxDays;
}

// 0, +1, -1, +2, -2, ...
std::int64_t SearchStep(int candidate) {
    return candidate % 2 == 1 ? (candidate + 1) / 2 : -(candidate / 2);
}

}  // namespace

TimeScale::TimeScale(const COleDateTime& origin, double scale) {
    SetOrigin(origin);
    SetScale(scale);
}

void TimeScale::SetOrigin(const COleDateTime& origin) {
    const COleDateTime day = origin.DatePart();
    if (day.IsValid()) {
        origin_ = day;
    }
}

void TimeScale::SetScale(double scale) {
    scale_ = std::isfinite(scale) && scale > 0.0 ? scale : kFallbackScale;
}

std::int64_t TimeScale::DayIndex(const COleDateTime& day) const {
    const COleDateTime date = day.DatePart();
    if (!date.IsValid() || !origin_.IsValid()) {
        return 0;
    }
    // Both are whole days, so the difference of the raw values is exact.
    return static_cast<std::int64_t>(date.GetDays() - origin_.GetDays());
}

COleDateTime TimeScale::DayAt(std::int64_t dayIndex) const {
    return origin_.AddDays(static_cast<int>(std::clamp(dayIndex, -kMaxDays, kMaxDays)));
}

int TimeScale::DateToX(const COleDateTime& day) const {
    return DayIndexToX(DayIndex(day));
}

int TimeScale::DayIndexToX(std::int64_t dayIndex) const {
    return ClampX(std::trunc(static_cast<double>(dayIndex) * scale_));
}

int TimeScale::DateOffsetToX(const DateOffset& position) const {
    const std::int64_t day = DayIndex(position.date);
    const int dayX = DayIndexToX(day);
    const int nextX = DayIndexToX(day + 1);
    // std::round takes halves away from zero.
    const double x = dayX + std::round(position.offset * scale_ / DateOffset::kOffsetsPerDay);
    return std::max(std::min(ClampX(x), nextX - 1), dayX);
}

int TimeScale::DateTimeToX(const COleDateTime& moment) const {
    const int dayX = DateToX(moment);
    if (scale_ < 1.0 || !moment.IsValid()) {
        return dayX;
    }
    COleDateTime::Fields fields;
    moment.GetFields(fields);
    const int minutes = fields.hour * 60 + fields.minute;
    return ClampX(std::trunc(dayX + minutes * scale_ / 1440.0));
}

std::int64_t TimeScale::XToDayIndex(int x) const {
    if (x < 0) {
        return ClampDays(std::floor(x / scale_));
    }
    const std::int64_t base = ClampDays(std::trunc(x / scale_));
    for (int candidate = 0; candidate < kSearchCandidates; ++candidate) {
        const std::int64_t day = base + SearchStep(candidate);
        const int dayX = DayIndexToX(day);
        const int nextX = DayIndexToX(day + 1);
        if ((dayX <= x && x < nextX) || (dayX == x && nextX == x)) {
            return day;
        }
    }
    // Only coordinates beyond the calendar's last day get here.
    return base;
}

COleDateTime TimeScale::XToDate(int x) const {
    return DayAt(XToDayIndex(x));
}

DateOffset TimeScale::XToDateOffset(int x) const {
    const std::int64_t day = XToDayIndex(x);
    const double inside = static_cast<double>(x) - DayIndexToX(day);
    const double offset = std::trunc(inside * DateOffset::kOffsetsPerDay / scale_);
    const int clamped = static_cast<int>(std::clamp(offset, 0.0, DateOffset::kOffsetsPerDay - 1.0));
    return DateOffset(DayAt(day), clamped);
}

}  // namespace qb
