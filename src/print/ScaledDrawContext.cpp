#include "ScaledDrawContext.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace qb {

int ScaledDrawContext::MapX(int x) const {
    return origin_.x + static_cast<int>(std::lround(x * scale_));
}

int ScaledDrawContext::MapY(int y) const {
    return origin_.y + static_cast<int>(std::lround(y * scale_));
}

DrawRect ScaledDrawContext::Map(const DrawRect& rect) const {
    return DrawRect{MapX(rect.left), MapY(rect.top), MapX(rect.right), MapY(rect.bottom)};
}

// A length that was visible on screen stays visible on paper.
int ScaledDrawContext::Length(int length) const {
    if (length <= 0)
        return length;
    return std::max(1, static_cast<int>(std::lround(length * scale_)));
}

// Width 0 is the device's thinnest line on every device, so it stays 0.
void ScaledDrawContext::SetPen(const DrawPen& pen) {
    DrawPen scaled = pen;
    scaled.width = Length(pen.width);
    target_.SetPen(scaled);
}

void ScaledDrawContext::SetFont(const DrawFont& font) {
    DrawFont scaled = font;
    scaled.height = Length(font.height);
    target_.SetFont(scaled);
}

DrawSize ScaledDrawContext::MeasureText(std::string_view text) const {
    const DrawSize size = target_.MeasureText(text);
    return DrawSize{static_cast<int>(std::ceil(size.width / scale_)),
                    static_cast<int>(std::ceil(size.height / scale_))};
}

void ScaledDrawContext::DrawText(std::string_view text, const DrawRect& rect,
                                 const TextFormat& format) {
    target_.DrawText(text, Map(rect), format);
}

void ScaledDrawContext::DrawLine(DrawPoint from, DrawPoint to) {
    target_.DrawLine(Map(from), Map(to));
}

void ScaledDrawContext::Polyline(std::span<const DrawPoint> points) {
    std::vector<DrawPoint> mapped;
    mapped.reserve(points.size());
    for (DrawPoint point : points)
        mapped.push_back(Map(point));
    target_.Polyline(mapped);
}

void ScaledDrawContext::Polygon(std::span<const DrawPoint> points) {
    std::vector<DrawPoint> mapped;
    mapped.reserve(points.size());
    for (DrawPoint point : points)
        mapped.push_back(Map(point));
    target_.Polygon(mapped);
}

void ScaledDrawContext::FillRect(const DrawRect& rect, DrawColour colour) {
    target_.FillRect(Map(rect), colour);
}

void ScaledDrawContext::FrameRect(const DrawRect& rect, DrawColour colour) {
    target_.FrameRect(Map(rect), colour);
}

}  // namespace qb
