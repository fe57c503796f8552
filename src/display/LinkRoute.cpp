#include "LinkRoute.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

namespace qb {

DrawPoint LinkRoute::StubPoint(DrawPoint anchor, int horz) {
    if (horz == 0) {
        return DrawPoint{anchor.x - kStubLength, anchor.y};
    }
    if (horz == 2) {
        return DrawPoint{anchor.x + kStubLength, anchor.y};
    }
    return anchor;
}

DrawRect LinkRoute::StubHitRect(DrawPoint anchor, DrawPoint stub) {
    return DrawRect{std::min(anchor.x, stub.x), anchor.y - kStubGrab, std::max(anchor.x, stub.x),
                    anchor.y + kStubGrab};
}

double LinkRoute::SegmentDistance(DrawPoint point, DrawPoint a, DrawPoint b) {
    // Doubles: chart coordinates may be far apart and their products overflow int.
    const double dx = static_cast<double>(b.x) - a.x;
    const double dy = static_cast<double>(b.y) - a.y;
    const double length2 = dx * dx + dy * dy;
    if (length2 == 0.0) {
        return -1.0;
    }
    const double px = static_cast<double>(point.x) - a.x;
    const double py = static_cast<double>(point.y) - a.y;
    const double t = (px * dx + py * dy) / length2;
    if (t < 0.0 || t > 1.0) {
        return -1.0;
    }
    return std::abs(px * dy - py * dx) / std::sqrt(length2);
}

bool LinkRoute::HitsSegment(DrawPoint point, DrawPoint a, DrawPoint b) {
    const double distance = SegmentDistance(point, a, b);
    if (distance >= 0.0 && distance < kLineGrab) {
        return true;
    }
    if (a.y == b.y) {
        return point.x >= std::min(a.x, b.x) && point.x <= std::max(a.x, b.x) &&
               std::abs(static_cast<long long>(point.y) - a.y) < kLineGrab;
    }
    if (a.x == b.x) {
        return std::abs(static_cast<long long>(point.x) - a.x) <= 1 &&
               point.y >= std::min(a.y, b.y) && point.y <= std::max(a.y, b.y);
    }
    return false;
}

namespace {

// The point of the segment a-b at x, which lies between a.x and b.x.
DrawPoint AtX(DrawPoint a, DrawPoint b, int x) {
    const double t = (static_cast<double>(x) - a.x) / (static_cast<double>(b.x) - a.x);
    const double y = a.y + t * (static_cast<double>(b.y) - a.y);
    return DrawPoint{x, static_cast<int>(std::lround(y))};
}

}  // namespace

bool LinkRoute::ClipToX(DrawPoint& a, DrawPoint& b, int left, int right) {
    const bool swapped = a.x > b.x;
    if (swapped) {
        std::swap(a, b);
    }
    const bool inside = b.x >= left && a.x <= right;
    if (inside) {
        const DrawPoint from = a.x < left ? AtX(a, b, left) : a;
        const DrawPoint to = b.x > right ? AtX(a, b, right) : b;
        a = from;
        b = to;
    }
    if (swapped) {
        std::swap(a, b);
    }
    return inside;
}

}  // namespace qb
