#pragma once

#include <span>
#include <string_view>

#include "IDrawContext.h"

namespace qb {

// Draws nothing, so the figures show the painter's own cost; it counts the
// drawing calls it was given.
class NullDrawContext : public IDrawContext {
public:
    void SetPen(const DrawPen&) override {}
    void SetBrush(const DrawBrush&) override {}
    void SetFont(const DrawFont&) override {}
    void SetTextColour(DrawColour) override {}
    void SetBackgroundMode(BackgroundMode) override {}
    void SetBackgroundColour(DrawColour) override {}
    void SetMixMode(MixMode) override {}
    void SaveState() override {}
    void RestoreState() override {}
    void IntersectClip(const DrawRect&) override {}
    DrawSize MeasureText(std::string_view text) const override {
        return DrawSize{static_cast<int>(text.size()) * 7, 14};
    }
    void DrawText(std::string_view, const DrawRect&, const TextFormat&) override { ++calls; }
    void DrawLine(DrawPoint, DrawPoint) override { ++calls; }
    void Polyline(std::span<const DrawPoint>) override { ++calls; }
    void Polygon(std::span<const DrawPoint>) override { ++calls; }
    void Rectangle(const DrawRect&) override { ++calls; }
    void Ellipse(const DrawRect&) override { ++calls; }
    void FillRect(const DrawRect&, DrawColour) override { ++calls; }
    void FrameRect(const DrawRect&, DrawColour) override { ++calls; }
    void DrawFocusRect(const DrawRect&) override { ++calls; }

    long long calls = 0;
};

}  // namespace qb
