#pragma once

#include <span>
#include <string_view>

#include "DrawTypes.h"

namespace qb {

// Where the chart, the ruler and the print pages draw: a screen, a picture or
// a printer page, in device pixels with y growing downwards. The drawing code
// sees only this interface, so it runs without a window system and tests read
// back what was drawn through a recording context.
class IDrawContext {
public:
    virtual ~IDrawContext() = default;

    // The drawing state; each part stays in force until it is set again or
    // RestoreState brings back an earlier one.
    virtual void SetPen(const DrawPen& pen) = 0;
    virtual void SetBrush(const DrawBrush& brush) = 0;
    virtual void SetFont(const DrawFont& font) = 0;
    virtual void SetTextColour(DrawColour colour) = 0;
    virtual void SetBackgroundMode(BackgroundMode mode) = 0;
    virtual void SetBackgroundColour(DrawColour colour) = 0;
    virtual void SetMixMode(MixMode mode) = 0;

    // SaveState pushes the whole state (pen, brush, font, colours, modes and
    // clip); RestoreState pops the last one pushed and does nothing when none is.
    virtual void SaveState() = 0;
    virtual void RestoreState() = 0;
    // Narrows the clip to its intersection with rect.
    virtual void IntersectClip(const DrawRect& rect) = 0;

    // Width and height of a text in the current font; every line break starts
    // a new line, and the width is that of the widest line.
    virtual DrawSize MeasureText(std::string_view text) const = 0;
    // Text in the current font and text colour, placed in rect by format.
    virtual void DrawText(std::string_view text, const DrawRect& rect,
                          const TextFormat& format) = 0;

    // Lines in the current pen; the last point of a line is not drawn, so
    // lines that meet end to end touch every pixel once.
    virtual void DrawLine(DrawPoint from, DrawPoint to) = 0;
    virtual void Polyline(std::span<const DrawPoint> points) = 0;
    // Outlined with the pen and filled with the brush.
    virtual void Polygon(std::span<const DrawPoint> points) = 0;
    virtual void Rectangle(const DrawRect& rect) = 0;
    // The ellipse that fits rect.
    virtual void Ellipse(const DrawRect& rect) = 0;

    // Pen, brush and mix mode play no part in these.
    virtual void FillRect(const DrawRect& rect, DrawColour colour) = 0;
    // A one-pixel border just inside rect.
    virtual void FrameRect(const DrawRect& rect, DrawColour colour) = 0;
    // The dotted frame of a keyboard focus or a rubber band; drawing it twice
    // at the same place removes it again.
    virtual void DrawFocusRect(const DrawRect& rect) = 0;
};

}  // namespace qb
