#include "ShapePainter.h"

#include <cmath>

#include "IDrawContext.h"

namespace qb {

ShapePainter::ShapePainter(double scale, double angle) : scale_(scale), angle_(angle) {}

void ShapePainter::Draw(IDrawContext& dc, const ScheduleShape& shape, int left, int right,
                        int y) const {
    if (shape.IsPoint()) {
        DrawMarker(dc, shape.subType, DrawPoint{left, y});
    } else if (shape.subType == 0) {
        DrawLine(dc, shape, left, right, y);
    } else if (shape.subType == 1) {
        DrawBar(dc, shape, left, right, y);
    }
}

void ShapePainter::DrawLine(IDrawContext& dc, const ScheduleShape& shape, int left, int right,
                            int y) const {
    dc.DrawLine(DrawPoint{left, y}, DrawPoint{right, y});
    DrawEdge(dc, shape, End::end, DrawPoint{right, y});
    DrawEdge(dc, shape, End::start, DrawPoint{left, y});
}

void ShapePainter::DrawBar(IDrawContext& dc, const ScheduleShape& shape, int left, int right,
                           int y) const {
    const int size = Scaled(shape.size);
    // Of an odd size the extra pixel lies above the middle line.
    const int top = y - (size + 1) / 2;
    dc.Rectangle(DrawRect{left, top, right, top + size});
}

void ShapePainter::DrawEdge(IDrawContext& dc, const ScheduleShape& shape, End end,
                            DrawPoint tip) const {
    const std::int32_t edgeType = end == End::end ? shape.endEdgeType : shape.startEdgeType;
    if (edgeType == 4) {
        const int radius = shape.size * 2 < 5 ? 4 : shape.size * 2;
        dc.Ellipse(Square(tip, Scaled(radius)));
        return;
    }
    if (edgeType < 1 || edgeType > 3) {
        return;
    }
    const std::vector<DrawPoint> p = EdgePoints(shape, end, tip);
    if (edgeType == 1) {
        dc.Polygon(p);
    } else if (edgeType == 2) {
        dc.Polygon(std::span<const DrawPoint>(p.data(), 3));
    } else {
        dc.DrawLine(p[0], p[1]);
        dc.DrawLine(p[2], p[1]);
    }
}

std::vector<DrawPoint> ShapePainter::EdgePoints(const ScheduleShape& shape, End end,
                                                DrawPoint tip) const {
    const double w = (shape.size < 3 ? 2 : shape.size) * scale_;
    // The decoration lies inside the line: left of the end, right of the start.
    const double back = end == End::end ? -1.0 : 1.0;
    return {Turned(tip, back * 4 * w, -2 * w), tip, Turned(tip, back * 4 * w, 2 * w),
            Turned(tip, back * 3 * w, 0)};
}

DrawPoint ShapePainter::Turned(DrawPoint tip, double dx, double dy) const {
    const double c = std::cos(angle_);
    const double s = std::sin(angle_);
    return DrawPoint{tip.x + static_cast<int>(std::lround(dx * c - dy * s)),
                     tip.y + static_cast<int>(std::lround(dx * s + dy * c))};
}

void ShapePainter::DrawMarker(IDrawContext& dc, std::int32_t subType, DrawPoint at) const {
    switch (subType) {
        case 0:
            dc.Ellipse(Square(at, Scaled(4)));
            return;
        case 1:
            // The outer circle darkens what lies under it instead of hiding it.
            dc.SetMixMode(MixMode::mask);
            dc.Ellipse(Square(at, Scaled(5)));
            dc.SetMixMode(MixMode::copy);
            dc.Ellipse(Square(at, Scaled(3)));
            return;
        case 2:
            dc.Rectangle(Square(at, Scaled(4)));
            return;
        default: {
            const std::vector<DrawPoint> polygon = MarkerPolygon(subType, at);
            if (!polygon.empty()) {
                dc.Polygon(polygon);
            }
        }
    }
}

std::vector<DrawPoint> ShapePainter::MarkerPolygon(std::int32_t subType, DrawPoint at) const {
    static const std::vector<DrawPoint> kUp{{0, -5}, {5, 5}, {-5, 5}};
    static const std::vector<DrawPoint> kDown{{0, 5}, {5, -5}, {-5, -5}};
    static const std::vector<DrawPoint> kDiamond{{0, -5}, {5, 0}, {0, 5}, {-5, 0}};
    static const std::vector<DrawPoint> kStar{{5, -1}, {1, -2}, {0, -6}, {-1, -2}, {-5, -1},
                                              {-2, 0}, {-3, 5}, {0, 2},  {3, 5},   {2, 0}};
    const std::vector<DrawPoint>* unit = nullptr;
    switch (subType) {
        case 3:
            unit = &kUp;
            break;
        case 4:
            unit = &kDown;
            break;
        case 5:
            unit = &kDiamond;
            break;
        case 6:
            unit = &kStar;
            break;
        default:
            return {};
    }
    std::vector<DrawPoint> points;
    points.reserve(unit->size());
    for (const DrawPoint& p : *unit) {
        points.push_back(DrawPoint{at.x + Scaled(p.x), at.y + Scaled(p.y)});
    }
    return points;
}

DrawRect ShapePainter::Square(DrawPoint centre, int halfSide) const {
    return DrawRect{centre.x - halfSide, centre.y - halfSide, centre.x + halfSide,
                    centre.y + halfSide};
}

int ShapePainter::Scaled(double pixels) const {
    return static_cast<int>(std::lround(pixels * scale_));
}

}  // namespace qb
