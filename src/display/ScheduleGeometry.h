#pragma once

#include <optional>

#include "COleDateTime.h"
#include "DrawTypes.h"
#include "ScheduleFields.h"
#include "ScheduleLayout.h"

namespace qb {

class TimeScale;

// The schedule's rectangles and points computed from its fields and the time
// scale, without drawing anything. Every x goes through X(), so bars, actual
// lines and summary bars agree to the pixel.
class ScheduleGeometry {
public:
    // A grabbed part of a schedule, as the chart's drag modes number them.
    enum Handle { kNone = 0, kBody = 1, kStart = 3, kEnd = 4 };

    ScheduleGeometry(const ScheduleFields& fields, const TimeScale& scale);

    // By day: the day's x plus the scaled offset, kept inside the day. Else by
    // the time of day of the date value.
    static int X(const TimeScale& scale, const COleDateTime& date, int offset, bool byDay);
    int StartX() const;
    int EndX() const;

    // The bar between the two ends (a point at the start for point types).
    DrawRect Bar(int rowTop) const;
    // At least 6 pixels tall for bars; the marker grown by 5 for points.
    DrawRect Hit(const DrawRect& bar) const;
    // The actual line under the bar; empty when the dates are missing.
    DrawRect Actual(const DrawRect& bar, int gap) const;
    // The shoulder band and the y of the duration label, into layout.
    void PlaceShoulder(const DrawRect& bar, ScheduleLayout& layout) const;

    // Handle codes as the chart's drag modes expect them.
    static bool HitTest(const DrawRect& hit, bool selected, DrawPoint point);
    static int HandleAt(const ScheduleFields& f, const ScheduleLayout& layout, bool selected,
                        DrawPoint point);
    // horizontal 0 start, 1 centre, 2 end; vertical 0 top, 1 middle, 2 bottom.
    static DrawPoint Anchor(const ScheduleFields& f, const DrawRect& bar, int horizontal,
                            int vertical);
    // Where the progress split falls on a bar from left to right.
    static int SplitX(const DrawRect& bar, int progress);

    // The schedule's point on the lightning line, or none when its progress
    // is unknown or tells nothing at the reference moment.
    static std::optional<DrawPoint> LightningPoint(const ScheduleFields& f, const DrawRect& bar,
                                                   const COleDateTime& reference);

private:
    const ScheduleFields& f_;
    const TimeScale& scale_;
};

}  // namespace qb
