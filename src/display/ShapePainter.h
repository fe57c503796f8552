#pragma once

#include <vector>

#include "DrawTypes.h"
#include "ScheduleShape.h"

namespace qb {

class IDrawContext;

// Draws every schedule shape, link end and palette preview in the context's
// current pen and brush. Sizes are screen pixels times the scale, so a printer
// page gets the same figures as the screen.
class ShapePainter {
public:
    // Which end of a line a decoration sits on; it points outwards.
    enum class End { start, end };

    // Scale: device pixels per screen pixel (1 on screen). Angle, in radians,
    // turns the end decorations about their tips; links use it, schedules pass 0.
    explicit ShapePainter(double scale = 1.0, double angle = 0.0);

    // A line or bar from left to right centred on y, or a point marker at (left, y).
    void Draw(IDrawContext& dc, const ScheduleShape& shape, int left, int right, int y) const;

    // The corners of an arrow-like end decoration: A, the tip B, C and the
    // inner point D.
    std::vector<DrawPoint> EdgePoints(const ScheduleShape& shape, End end, DrawPoint tip) const;
    // The polygon of a point marker (subtypes 3 to 6); empty for the others.
    std::vector<DrawPoint> MarkerPolygon(std::int32_t subType, DrawPoint at) const;

private:
    void DrawLine(IDrawContext& dc, const ScheduleShape& shape, int left, int right, int y) const;
    void DrawBar(IDrawContext& dc, const ScheduleShape& shape, int left, int right, int y) const;
    void DrawEdge(IDrawContext& dc, const ScheduleShape& shape, End end, DrawPoint tip) const;
    void DrawMarker(IDrawContext& dc, std::int32_t subType, DrawPoint at) const;
    DrawRect Square(DrawPoint centre, int halfSide) const;
    int Scaled(double pixels) const;
    DrawPoint Turned(DrawPoint tip, double dx, double dy) const;

    double scale_;
    double angle_;
};

}  // namespace qb
