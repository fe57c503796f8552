#pragma once

#include "DrawTypes.h"

namespace qb {

// The geometry of a link: where its stubs stand, what grabs it and which part
// of its main segment falls inside the painted x range. Chart pixels.
class LinkRoute {
public:
    // Length of the horizontal stub at an end anchored left or right.
    static constexpr int kStubLength = 10;
    // Half the height of the grab area around a stub.
    static constexpr int kStubGrab = 5;
    // A point nearer than this to the main segment grabs the link.
    static constexpr int kLineGrab = 4;

    // Horizontal position 0 puts the stub left of the anchor, 2 right of it,
    // anything else on it.
    static DrawPoint StubPoint(DrawPoint anchor, int horz);
    // The stretch between anchor and stub, kStubGrab above and below.
    static DrawRect StubHitRect(DrawPoint anchor, DrawPoint stub);
    // The distance from point to the segment a-b, or -1 when the point's
    // projection falls outside the segment or the segment has no length.
    static double SegmentDistance(DrawPoint point, DrawPoint a, DrawPoint b);
    // The main segment a-b grabs point (stubs not included).
    static bool HitsSegment(DrawPoint point, DrawPoint a, DrawPoint b);
    // Cuts the segment a-b to left <= x <= right; false when nothing is left.
    static bool ClipToX(DrawPoint& a, DrawPoint& b, int left, int right);
};

}  // namespace qb
