#pragma once

#include <cstdint>

namespace qb {

// A colour as 0x00BBGGRR. White as a row background means "not filled".
using ColorRef = std::uint32_t;

constexpr ColorRef kWhite = 0xFFFFFF;
constexpr ColorRef kBlack = 0x000000;

constexpr ColorRef MakeRgb(int red, int green, int blue) {
    return static_cast<ColorRef>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}

}  // namespace qb
