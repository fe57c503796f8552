#pragma once

namespace qb {

// The ruler's font heights in pixels, upper and lower band.
struct RulerFontSizes {
    // Smaller is unreadable; larger no longer fits the 20-pixel band.
    static constexpr int kMin = 6;
    static constexpr int kMax = 20;

    int upper = 12;
    int lower = 12;

    bool operator==(const RulerFontSizes&) const = default;
};

}  // namespace qb
