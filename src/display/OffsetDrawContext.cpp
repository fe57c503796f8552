#include "OffsetDrawContext.h"

#include <vector>

namespace qb {

void OffsetDrawContext::DrawText(std::string_view text, const DrawRect& rect,
                                 const TextFormat& format) {
    target_.DrawText(text, Move(rect), format);
}

void OffsetDrawContext::DrawLine(DrawPoint from, DrawPoint to) {
    target_.DrawLine(Move(from), Move(to));
}

void OffsetDrawContext::Polyline(std::span<const DrawPoint> points) {
    std::vector<DrawPoint> moved;
    moved.reserve(points.size());
    for (DrawPoint point : points)
        moved.push_back(Move(point));
    target_.Polyline(moved);
}

void OffsetDrawContext::Polygon(std::span<const DrawPoint> points) {
    std::vector<DrawPoint> moved;
    moved.reserve(points.size());
    for (DrawPoint point : points)
        moved.push_back(Move(point));
    target_.Polygon(moved);
}

void OffsetDrawContext::FillRect(const DrawRect& rect, DrawColour colour) {
    target_.FillRect(Move(rect), colour);
}

void OffsetDrawContext::FrameRect(const DrawRect& rect, DrawColour colour) {
    target_.FrameRect(Move(rect), colour);
}

}  // namespace qb
