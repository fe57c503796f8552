#include "ScheduleGeometry.h"

#include <algorithm>
#include <cstdint>

#include "DateOffset.h"
#include "TimeScale.h"

namespace qb {

namespace {

// Room the point markers and their grab area take around their centre.
constexpr int kMarkerMargin = 5;
constexpr int kMinHitHeight = 6;
constexpr int kEdgeGrab = 3;

DrawRect Grown(const DrawRect& r, int by) {
    return DrawRect{r.left - by, r.top - by, r.right + by, r.bottom + by};
}

bool Inside(const DrawRect& r, DrawPoint p) {
    return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

}  // namespace

ScheduleGeometry::ScheduleGeometry(const ScheduleFields& fields, const TimeScale& scale)
    : f_(fields), scale_(scale) {}

int ScheduleGeometry::X(const TimeScale& scale, const COleDateTime& date, int offset, bool byDay) {
    if (byDay) {
        return scale.DateOffsetToX(DateOffset(date.DatePart(), offset));
    }
    return scale.DateTimeToX(date);
}

int ScheduleGeometry::StartX() const {
    return X(scale_, f_.startDate, f_.startOffset, f_.byDay);
}

int ScheduleGeometry::EndX() const {
    return X(scale_, f_.endDate, f_.endOffset, f_.byDay);
}

DrawRect ScheduleGeometry::Bar(int rowTop) const {
    const int top = rowTop + f_.yOffset;
    const int left = StartX();
    if (f_.IsPoint()) {
        return DrawRect{left, top, left, top};
    }
    return DrawRect{left, top, EndX(), top + f_.height};
}

DrawRect ScheduleGeometry::Hit(const DrawRect& bar) const {
    if (f_.IsPoint()) {
        return Grown(bar, kMarkerMargin);
    }
    DrawRect hit = bar;
    if (bar.Height() < kMinHitHeight) {
        const int middle = bar.top + bar.Height() / 2;
        hit.top = middle - kMinHitHeight / 2;
        hit.bottom = middle + kMinHitHeight / 2;
    }
    return hit;
}

DrawRect ScheduleGeometry::Actual(const DrawRect& bar, int gap) const {
    const int top = bar.bottom + gap;
    const int bottom = top + 4;
    if (f_.IsPoint()) {
        if (!f_.HasActualStart()) {
            return DrawRect{};
        }
        const int x = X(scale_, f_.actualStartDate, f_.actualStartOffset, f_.byDay);
        return DrawRect{x - 5, top, x + 5, bottom};
    }
    if (!f_.HasActualStart() || !f_.HasActualEnd()) {
        return DrawRect{};
    }
    return DrawRect{X(scale_, f_.actualStartDate, f_.actualStartOffset, f_.byDay), top,
                    X(scale_, f_.actualEndDate, f_.actualEndOffset, f_.byDay), bottom};
}

void ScheduleGeometry::PlaceShoulder(const DrawRect& bar, ScheduleLayout& layout) const {
    const int edgeRoom =
        f_.shape.HasEdges() ? std::max(5, 3 * static_cast<int>(f_.edgePen.GetWidth())) : 0;
    if (f_.captionPosition != 1) {
        layout.bandBottom = bar.top - 1;
        layout.bandTop = bar.top - (f_.IsPoint() ? 16 : 11) - edgeRoom;
        layout.farY = bar.bottom;
    } else {
        // The caption takes the space above, so the dates go below the bar.
        layout.bandTop = bar.bottom + (f_.IsPoint() ? kMarkerMargin : 0) + edgeRoom;
        layout.bandBottom = bar.bottom + 10;
        layout.farY = bar.top - 10;
    }
}

bool ScheduleGeometry::HitTest(const DrawRect& hit, bool selected, DrawPoint point) {
    // A selected schedule's edge handles stick out a little past its ends.
    DrawRect area = hit;
    if (selected) {
        area.left -= kEdgeGrab;
        area.right += kEdgeGrab;
    }
    return Inside(area, point);
}

int ScheduleGeometry::HandleAt(const ScheduleFields& f, const ScheduleLayout& layout, bool selected,
                               DrawPoint point) {
    if (!layout.placed || !HitTest(layout.hit, selected, point)) {
        return kNone;
    }
    if (!selected || f.shape.type == 1) {
        return kBody;
    }
    if (point.x < layout.bar.left + kEdgeGrab) {
        return kStart;
    }
    if (point.x > layout.bar.right - kEdgeGrab) {
        return kEnd;
    }
    return kBody;
}

DrawPoint ScheduleGeometry::Anchor(const ScheduleFields& f, const DrawRect& bar, int horizontal,
                                   int vertical) {
    if (f.IsPoint()) {
        const int x = horizontal == 0   ? bar.left - kMarkerMargin
                      : horizontal == 2 ? bar.right + kMarkerMargin
                                        : bar.left;
        const int y = vertical == 0   ? bar.top - kMarkerMargin
                      : vertical == 2 ? bar.bottom + kMarkerMargin
                                      : bar.top;
        return DrawPoint{x, y};
    }
    const int x = horizontal == 0   ? bar.left
                  : horizontal == 2 ? bar.right
                                    : bar.left + (bar.right - bar.left) / 2;
    const int y = vertical == 0   ? bar.top
                  : vertical == 2 ? bar.bottom
                                  : bar.top + (bar.bottom - bar.top) / 2;
    return DrawPoint{x, y};
}

int ScheduleGeometry::SplitX(const DrawRect& bar, int progress) {
    return bar.left + static_cast<int>(std::int64_t{bar.right - bar.left} * progress / 1000);
}

std::optional<DrawPoint> ScheduleGeometry::LightningPoint(const ScheduleFields& f,
                                                          const DrawRect& bar,
                                                          const COleDateTime& reference) {
    std::int64_t perMille = 0;
    if (f.progressRate != -1) {
        perMille = f.progressRate;
    } else if (f.plan > 0) {
        perMille = std::int64_t{f.results} * 1000 / f.plan;
    } else {
        return std::nullopt;
    }
    const COleDateTime start = ScheduleFields::Moment(f.startDate, f.startOffset, f.byDay);
    const COleDateTime end = ScheduleFields::Moment(f.endDate, f.endOffset, f.byDay);
    // Finished work in the past and untouched work in the future are where
    // they should be; only the rest bends the line.
    if (perMille >= 1000 && end <= reference) {
        return std::nullopt;
    }
    if (perMille <= 0 && start >= reference) {
        return std::nullopt;
    }
    const std::int64_t width = bar.right - bar.left;
    const std::int64_t offset =
        f.progressRate != -1 ? width * f.progressRate / 1000 : width * f.results / f.plan;
    const std::int64_t x =
        std::clamp<std::int64_t>(bar.left + offset, -TimeScale::kMaxX, TimeScale::kMaxX);
    return DrawPoint{static_cast<int>(x), bar.top + (bar.bottom - bar.top) / 2};
}

}  // namespace qb
