#include "LoadGraphPainter.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "IDrawContext.h"
#include "LoadBuffer.h"
#include "LoadGraph.h"

namespace qb {
namespace {

constexpr DrawColour kWhite = 0xFFFFFF;
constexpr DrawColour kBlack = 0x000000;

}  // namespace

LoadGraphPainter::LoadGraphPainter(const LoadGraphSettings& settings, const LoadGraphStyle& style)
    : settings_(settings.Usable()), style_(style) {}

// (height - 1) - value * (height - 1) / max, truncated toward zero. Values
// far beyond the max are held where the result still fits an int: they are
// clipped above the strip anyway.
int LoadGraphPainter::ValueY(std::int64_t value, int height) const {
    const double scale = static_cast<double>(height - 1) / settings_.max;
    const double rise = std::clamp(std::trunc(static_cast<double>(value) * scale), -1e9, 1e9);
    return (height - 1) - static_cast<int>(rise);
}

void LoadGraphPainter::PaintStrip(IDrawContext& dc, const DrawRect& rect, const LoadBuffer* buffer,
                                  std::span<const int> divisions) const {
    if (rect.IsEmpty())
        return;
    dc.SaveState();
    dc.IntersectClip(rect);
    dc.FillRect(rect, kWhite);
    if (buffer != nullptr) {
        PaintDivisions(dc, rect, *buffer, divisions);
        PaintBars(dc, rect, *buffer);
        if (settings_.auxLine > 0) {
            const int y = rect.top + ValueY(settings_.auxLine, rect.Height());
            dc.SetPen(DrawPen{kPenSolid, 1, kBlack});
            dc.DrawLine(DrawPoint{rect.left, y}, DrawPoint{rect.right, y});
        }
    }
    dc.RestoreState();
}

// The lower row's boundaries from the second on. One left of the window is
// skipped unless it is that second one, and the first beyond the window's
// right edge is the last drawn.
void LoadGraphPainter::PaintDivisions(IDrawContext& dc, const DrawRect& rect,
                                      const LoadBuffer& buffer,
                                      std::span<const int> divisions) const {
    dc.SetPen(style_.divisionPen);
    const int right = buffer.First() + rect.Width();
    for (std::size_t i = 1; i < divisions.size(); ++i) {
        const int x = divisions[i];
        if (x < buffer.First() && i != 1)
            continue;
        const int at = rect.left + (x - buffer.First());
        dc.DrawLine(DrawPoint{at, rect.top}, DrawPoint{at, rect.bottom});
        if (x > right)
            break;
    }
}

// A bar from each column's value down to the strip's last row but one; zero
// and negative loads give none.
void LoadGraphPainter::PaintBars(IDrawContext& dc, const DrawRect& rect,
                                 const LoadBuffer& buffer) const {
    const int height = rect.Height();
    const int bottom = rect.top + height - 1;
    for (int x = 0; x < rect.Width(); ++x) {
        const int top = std::max(rect.top + ValueY(buffer.At(x), height), rect.top);
        if (top < bottom)
            dc.FillRect(DrawRect{rect.left + x, top, rect.left + x + 1, bottom},
                        style_.graphColour);
    }
}

void LoadGraphPainter::PaintScale(IDrawContext& dc, const DrawRect& rect) const {
    if (rect.IsEmpty())
        return;
    dc.SaveState();
    dc.IntersectClip(rect);
    dc.FillRect(rect, kWhite);
    dc.SetBackgroundMode(BackgroundMode::transparent);
    dc.SetTextColour(kBlack);
    dc.SetFont(DrawFont{style_.fontFace, kLabelHeight, 0});
    const int height = rect.Height();
    PaintLabel(dc, rect, settings_.max, 0);
    const bool lineSet = settings_.auxLine > 0;
    if (height >= kZeroLabelHeight || !lineSet)
        PaintLabel(dc, rect, 0, height - kLabelHeight);
    if (lineSet && height >= kLineLabelHeight)
        PaintLabel(dc, rect, settings_.auxLine,
                   ValueY(settings_.auxLine, height) - kLabelHeight / 2);
    dc.RestoreState();
}

// Right-aligned one pixel inside the window, in the band of a label's height
// from top (relative to the window).
void LoadGraphPainter::PaintLabel(IDrawContext& dc, const DrawRect& rect, int value,
                                  int top) const {
    const DrawRect band{rect.left, rect.top + top, rect.right - 1, rect.top + top + kLabelHeight};
    TextFormat format{HorizontalAlign::right, VerticalAlign::centre, true, false, false};
    dc.DrawText(std::to_string(value), band, format);
}

void LoadGraphPainter::PaintPeriod(IDrawContext& dc, const DrawRect& rect,
                                   const CDisplayModel& model, const TimeScale& scale, int firstX,
                                   std::span<const int> divisions) const {
    const auto buffer =
        LoadGraph::Compute(model, scale, firstX, firstX + rect.Width(), settings_.shownOnly);
    PaintStrip(dc, rect, buffer ? &*buffer : nullptr, divisions);
}

}  // namespace qb
