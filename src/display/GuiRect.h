#pragma once

#include <cstdint>
#include <limits>

#include "DrawTypes.h"

namespace qb {

// A display object's rectangle in chart pixels (origin at the chart's top-left
// corner, before scrolling). Right and bottom are exclusive.
struct GuiRect {
    // A top of this value marks an object that has not been laid out yet.
    static constexpr std::int32_t kNotLaidOut = std::numeric_limits<std::int32_t>::min();

    std::int32_t left = 0;
    std::int32_t top = kNotLaidOut;
    std::int32_t right = 0;
    std::int32_t bottom = 0;

    bool IsLaidOut() const { return top != kNotLaidOut; }
    std::int32_t Width() const { return right - left; }
    std::int32_t Height() const { return bottom - top; }
    // Left and top inclusive, right and bottom exclusive.
    bool Contains(DrawPoint point) const {
        return point.x >= left && point.x < right && point.y >= top && point.y < bottom;
    }
    bool Intersects(const DrawRect& other) const {
        return left < other.right && other.left < right && top < other.bottom && other.top < bottom;
    }
    DrawRect ToDrawRect() const { return DrawRect{left, top, right, bottom}; }
    bool operator==(const GuiRect&) const = default;
};

}  // namespace qb
