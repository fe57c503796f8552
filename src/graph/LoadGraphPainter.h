#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "DrawTypes.h"
#include "LoadGraphSettings.h"

namespace qb {

class CDisplayModel;
class IDrawContext;
class LoadBuffer;
class TimeScale;

// The colours, pen and font the load graph draws with: the graph colour is
// the user's option, the division pen the project's lower grid pen, the font
// the display font.
struct LoadGraphStyle {
    DrawColour graphColour = 0x800000;
    DrawPen divisionPen;
    std::string fontFace;
};

// Draws the load graph's strip and its scale window through a draw context,
// for the window and for printed pages alike. The strip's height is the
// rectangle's; a load of the settings' max reaches its top.
class LoadGraphPainter {
public:
    // Height of the scale window's labels, in pixels.
    static constexpr int kLabelHeight = 10;
    // Below these strip heights the scale leaves out its "0" (when an
    // auxiliary line is labelled) and the auxiliary line's label.
    static constexpr int kZeroLabelHeight = 31;
    static constexpr int kLineLabelHeight = 21;

    LoadGraphPainter(const LoadGraphSettings& settings, const LoadGraphStyle& style);

    // The strip in rect: white, then (with a buffer) the ruler's divisions,
    // one bar per column of the buffer from rect.left on, and the auxiliary
    // line. divisions are the chart x positions of the ruler's lower row
    // boundaries, in the buffer's pixels.
    void PaintStrip(IDrawContext& dc, const DrawRect& rect, const LoadBuffer* buffer,
                    std::span<const int> divisions) const;
    // The scale window in rect: the top value, "0" and the auxiliary line's
    // value, right-aligned at the strip's heights.
    void PaintScale(IDrawContext& dc, const DrawRect& rect) const;

    // A printed page's graph: the sums of the model's schedules placed by
    // scale, column i of rect being pixel firstX + i, painted as PaintStrip.
    void PaintPeriod(IDrawContext& dc, const DrawRect& rect, const CDisplayModel& model,
                     const TimeScale& scale, int firstX, std::span<const int> divisions) const;

    // The strip's y of a value, from the top of a strip of height pixels;
    // above the strip for values over the max.
    int ValueY(std::int64_t value, int height) const;

private:
    void PaintDivisions(IDrawContext& dc, const DrawRect& rect, const LoadBuffer& buffer,
                        std::span<const int> divisions) const;
    void PaintBars(IDrawContext& dc, const DrawRect& rect, const LoadBuffer& buffer) const;
    void PaintLabel(IDrawContext& dc, const DrawRect& rect, int value, int top) const;

    LoadGraphSettings settings_;
    LoadGraphStyle style_;
};

}  // namespace qb
