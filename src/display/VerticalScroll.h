#pragma once

namespace qb {

// The chart's vertical scroll bar: the range runs 100 pixels past the last
// row so that the bottom row can be scrolled clear of the window edge.
struct VerticalScroll {
    static constexpr int kSlack = 100;

    int maximum = 0;
    int page = 0;
    int position = 0;

    // After a layout the view scrolls back when it shows more than the
    // content (never above 0).
    static VerticalScroll Compute(int totalHeight, int clientHeight, int position);
    bool operator==(const VerticalScroll&) const = default;
};

}  // namespace qb
