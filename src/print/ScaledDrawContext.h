#pragma once

#include "IDrawContext.h"

namespace qb {

// Lets the screen's painters draw on a page: every coordinate, font height
// and pen width is multiplied by the print scale and moved to origin. Edges
// are scaled one by one, so rectangles that touch on screen touch on paper.
class ScaledDrawContext : public IDrawContext {
public:
    // scale: page units per screen pixel; origin: where pixel (0, 0) lands.
    ScaledDrawContext(IDrawContext& target, double scale, DrawPoint origin)
        : target_(target), scale_(scale), origin_(origin) {}

    void SetPen(const DrawPen& pen) override;
    void SetBrush(const DrawBrush& brush) override { target_.SetBrush(brush); }
    void SetFont(const DrawFont& font) override;
    void SetTextColour(DrawColour colour) override { target_.SetTextColour(colour); }
    void SetBackgroundMode(BackgroundMode mode) override { target_.SetBackgroundMode(mode); }
    void SetBackgroundColour(DrawColour colour) override { target_.SetBackgroundColour(colour); }
    void SetMixMode(MixMode mode) override { target_.SetMixMode(mode); }
    void SaveState() override { target_.SaveState(); }
    void RestoreState() override { target_.RestoreState(); }
    void IntersectClip(const DrawRect& rect) override { target_.IntersectClip(Map(rect)); }

    // In screen pixels, rounded up so that a text measured to fit still fits.
    DrawSize MeasureText(std::string_view text) const override;
    void DrawText(std::string_view text, const DrawRect& rect, const TextFormat& format) override;
    void DrawLine(DrawPoint from, DrawPoint to) override;
    void Polyline(std::span<const DrawPoint> points) override;
    void Polygon(std::span<const DrawPoint> points) override;
    void Rectangle(const DrawRect& rect) override { target_.Rectangle(Map(rect)); }
    void Ellipse(const DrawRect& rect) override { target_.Ellipse(Map(rect)); }
    void FillRect(const DrawRect& rect, DrawColour colour) override;
    void FrameRect(const DrawRect& rect, DrawColour colour) override;
    void DrawFocusRect(const DrawRect& rect) override { target_.DrawFocusRect(Map(rect)); }

    int MapX(int x) const;
    int MapY(int y) const;
    DrawPoint Map(DrawPoint point) const { return DrawPoint{MapX(point.x), MapY(point.y)}; }
    DrawRect Map(const DrawRect& rect) const;

private:
    int Length(int length) const;

    IDrawContext& target_;
    double scale_;
    DrawPoint origin_;
};

}  // namespace qb
