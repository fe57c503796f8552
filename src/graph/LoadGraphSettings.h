#pragma once

namespace qb {

// The load graph's settings, kept per file with the view status. The height
// is the strip's height in pixels; it is stored as the height the user
// entered plus one, and the settings dialog shows it less one.
struct LoadGraphSettings {
    static constexpr int kDefaultMax = 20;
    static constexpr int kDefaultHeight = 51;
    // Bounds of the height the user enters.
    static constexpr int kMinEnteredHeight = 1;
    static constexpr int kMaxEnteredHeight = 1000;

    // The value at the top of the strip.
    int max = kDefaultMax;
    int height = kDefaultHeight;
    // Schedules that the chart does not show (folded, hidden or filtered
    // rows) are left out of the sums.
    bool shownOnly = false;
    // The value at which a horizontal line is drawn; 0 draws none.
    int auxLine = 0;
    bool shown = true;

    int EnteredHeight() const { return height - 1; }
    // The same settings with what a damaged entry may hold brought back to
    // values the graph can draw: a top of 0 or less would divide by zero.
    LoadGraphSettings Usable() const;

    bool operator==(const LoadGraphSettings&) const = default;
};

}  // namespace qb
