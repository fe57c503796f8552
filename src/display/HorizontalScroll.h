#pragma once

namespace qb {

class CRuler;

// The chart's horizontal scroll bar over the ruler's built span. Scrolling
// is not held to that span: a move past either end has the ruler build the
// days it reaches (CRuler::ScrollTo), so the period grows as the user
// scrolls while the span itself stays below the ruler's limit.
struct HorizontalScroll {
    int maximum = 0;
    int page = 0;
    int position = 0;

    // The bar for the ruler as it stands: the built span, the window width
    // and the scroll position.
    static HorizontalScroll Of(const CRuler& ruler);
    // Moves the left edge of the chart by pixels, negative towards earlier
    // days. True when the ruler's origin moved, which shifts every chart x.
    static bool ScrollBy(CRuler& ruler, int pixels);
    bool operator==(const HorizontalScroll&) const = default;
};

}  // namespace qb
