#pragma once

#include <cstdint>

#include "ColorRef.h"

namespace qb {

// A line pen: style (0 solid), width in pixels, colour.
class CPenInfo {
public:
    constexpr CPenInfo() = default;
    constexpr CPenInfo(std::int32_t style, std::int32_t width, ColorRef colour)
        : style_(style), width_(width), colour_(colour) {}

    std::int32_t GetStyle() const { return style_; }
    std::int32_t GetWidth() const { return width_; }
    ColorRef GetColour() const { return colour_; }
    void SetStyle(std::int32_t style) { style_ = style; }
    void SetWidth(std::int32_t width) { width_ = width; }
    void SetColour(ColorRef colour) { colour_ = colour; }

    // Pens compare by their text form, which is exactly their three numbers.
    bool operator==(const CPenInfo& other) const = default;

private:
    std::int32_t style_ = 0;
    std::int32_t width_ = 1;
    ColorRef colour_ = kBlack;
};

}  // namespace qb
