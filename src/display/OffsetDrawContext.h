#pragma once

#include "IDrawContext.h"

namespace qb {

// Lets display objects draw in chart coordinates: every coordinate is moved
// by -origin on its way to the device context.
class OffsetDrawContext : public IDrawContext {
public:
    OffsetDrawContext(IDrawContext& target, DrawPoint origin) : target_(target), origin_(origin) {}

    void SetPen(const DrawPen& pen) override { target_.SetPen(pen); }
    void SetBrush(const DrawBrush& brush) override { target_.SetBrush(brush); }
    void SetFont(const DrawFont& font) override { target_.SetFont(font); }
    void SetTextColour(DrawColour colour) override { target_.SetTextColour(colour); }
    void SetBackgroundMode(BackgroundMode mode) override { target_.SetBackgroundMode(mode); }
    void SetBackgroundColour(DrawColour colour) override { target_.SetBackgroundColour(colour); }
    void SetMixMode(MixMode mode) override { target_.SetMixMode(mode); }
    void SaveState() override { target_.SaveState(); }
    void RestoreState() override { target_.RestoreState(); }
    void IntersectClip(const DrawRect& rect) override { target_.IntersectClip(Move(rect)); }

    DrawSize MeasureText(std::string_view text) const override { return target_.MeasureText(text); }
    void DrawText(std::string_view text, const DrawRect& rect, const TextFormat& format) override;
    void DrawLine(DrawPoint from, DrawPoint to) override;
    void Polyline(std::span<const DrawPoint> points) override;
    void Polygon(std::span<const DrawPoint> points) override;
    void Rectangle(const DrawRect& rect) override { target_.Rectangle(Move(rect)); }
    void Ellipse(const DrawRect& rect) override { target_.Ellipse(Move(rect)); }
    void FillRect(const DrawRect& rect, DrawColour colour) override;
    void FrameRect(const DrawRect& rect, DrawColour colour) override;
    void DrawFocusRect(const DrawRect& rect) override { target_.DrawFocusRect(Move(rect)); }

private:
    DrawPoint Move(DrawPoint point) const {
        return DrawPoint{point.x - origin_.x, point.y - origin_.y};
    }
    DrawRect Move(const DrawRect& rect) const {
        return DrawRect{rect.left - origin_.x, rect.top - origin_.y, rect.right - origin_.x,
                        rect.bottom - origin_.y};
    }

    IDrawContext& target_;
    DrawPoint origin_;
};

}  // namespace qb
