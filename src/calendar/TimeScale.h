#pragma once

#include <cstdint>

#include "COleDateTime.h"
#include "DateOffset.h"

namespace qb {

// Maps days to horizontal pixels and back: x = 0 is the origin day, and a day
// is `scale` pixels wide. A day begins at the truncated product of its
// distance from the origin and the scale, so days of a fractional scale
// differ in width by a pixel, and below one pixel per day some days have no
// width at all.
class TimeScale {
public:
    // What a scale of 0 (or any scale that is not a positive number) becomes.
    static constexpr double kFallbackScale = 0.1;
    // Coordinates are held inside +-kMaxX so that the sum or difference of
    // two of them still fits an int.
    static constexpr int kMaxX = 1 << 30;
    // Day counts are held inside the span of the calendar (years 100..9999).
    static constexpr std::int64_t kMaxDays = 3615897;

    TimeScale() = default;
    TimeScale(const COleDateTime& origin, double scale);

    const COleDateTime& GetOrigin() const { return origin_; }
    // The origin is the day of the value, at 00:00; a value that is not valid
    // leaves the origin as it was.
    void SetOrigin(const COleDateTime& origin);
    // Pixels per day.
    double GetScale() const { return scale_; }
    void SetScale(double scale);

    // Whole days from the origin to the day's date part (0 for a value that is
    // not valid), and the day so many days after the origin.
    std::int64_t DayIndex(const COleDateTime& day) const;
    COleDateTime DayAt(std::int64_t dayIndex) const;

    // Where the day begins; negative before the origin.
    int DateToX(const COleDateTime& day) const;
    int DayIndexToX(std::int64_t dayIndex) const;
    // The day's x plus the offset (1/10000 day) scaled, rounding halves away
    // from zero, kept inside the day: at least its first pixel and, where the
    // day has width, at most its last.
    int DateOffsetToX(const DateOffset& position) const;
    // The day's x plus the time of day, from one pixel per day upwards; below
    // that the time of day is not shown.
    int DateTimeToX(const COleDateTime& moment) const;

    // The day whose pixels hold x. Where several days begin at x (below one
    // pixel per day), x belongs to the one nearest x / scale days.
    COleDateTime XToDate(int x) const;
    std::int64_t XToDayIndex(int x) const;
    // The day and the position of x inside it, 0..9999.
    DateOffset XToDateOffset(int x) const;

private:
    COleDateTime origin_;
    double scale_ = 1.0;
};

}  // namespace qb
