#pragma once

#include <cstdint>
#include <string>

namespace qb {

// The small values a draw context takes. Colours are 0x00BBGGRR, as in the
// stored project data, so they pass through without conversion.
using DrawColour = std::uint32_t;

// Pen styles carry the numbers the project data stores.
enum PenStyle : int {
    kPenSolid = 0,
    kPenDash = 1,
    kPenDot = 2,
    kPenDashDot = 3,
    kPenDashDotDot = 4,
    kPenNull = 5,
};

struct DrawPen {
    int style = kPenSolid;
    // Pixels; 0 draws as thin as the device allows (one pixel on screen).
    int width = 1;
    DrawColour colour = 0x000000;

    bool operator==(const DrawPen&) const = default;
};

// Fills the inside of rectangles, polygons and ellipses; a hollow brush leaves
// the inside untouched.
struct DrawBrush {
    bool hollow = false;
    DrawColour colour = 0xFFFFFF;

    static DrawBrush Solid(DrawColour colour) { return DrawBrush{false, colour}; }
    static DrawBrush Hollow() { return DrawBrush{true, 0}; }
    bool operator==(const DrawBrush&) const = default;
};

// Style bits as the project data stores them.
enum FontStyleBit : int {
    kFontStrikeOut = 1,
    kFontUnderline = 2,
    kFontItalic = 4,
    kFontBold = 8,
};

struct DrawFont {
    std::string face;
    // Character height in pixels.
    int height = 12;
    int styleBits = 0;

    bool operator==(const DrawFont&) const = default;
};

struct DrawPoint {
    int x = 0;
    int y = 0;

    bool operator==(const DrawPoint&) const = default;
};

struct DrawSize {
    int width = 0;
    int height = 0;

    bool operator==(const DrawSize&) const = default;
};

// Right and bottom are exclusive: a rectangle (0, 0, 10, 20) covers ten
// columns and twenty rows of pixels.
struct DrawRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool IsEmpty() const { return right <= left || bottom <= top; }
    bool operator==(const DrawRect&) const = default;
};

enum class HorizontalAlign { left, centre, right };
enum class VerticalAlign { top, centre, bottom };

// How DrawText lays a text out in its rectangle. Texts are drawn as they are:
// no character is taken as an accelerator prefix.
struct TextFormat {
    HorizontalAlign horizontal = HorizontalAlign::left;
    VerticalAlign vertical = VerticalAlign::top;
    // One line: line breaks do not start new lines. Otherwise every line
    // break starts a line, and wordWrap also breaks lines at the width.
    bool singleLine = true;
    bool wordWrap = false;
    // Off: the text may run outside the rectangle.
    bool clip = true;

    static TextFormat Centred() {
        return TextFormat{HorizontalAlign::centre, VerticalAlign::centre, true, false, true};
    }
    bool operator==(const TextFormat&) const = default;
};

// Whether text cells are filled with the background colour first.
enum class BackgroundMode { transparent, opaque };

// How drawn pixels combine with what is already there: copy replaces them,
// mask keeps the bitwise AND of the source and the destination (the ring of
// a point-type schedule is drawn this way, so it darkens what lies under it).
enum class MixMode { copy, mask };

}  // namespace qb
