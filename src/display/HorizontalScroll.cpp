#include "HorizontalScroll.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "CRuler.h"

namespace qb {

HorizontalScroll HorizontalScroll::Of(const CRuler& ruler) {
    HorizontalScroll scroll;
    scroll.maximum = static_cast<int>(std::floor(ruler.SpanPixels()));
    scroll.page = std::max(0, ruler.GetWidth());
    scroll.position = ruler.GetScrollPosition();
    return scroll;
}

// The day and fraction at the new left edge go to ScrollTo, which builds
// the window's worth of days after it; when the origin stays, the edge is
// the old coordinate moved by the pixels.
bool HorizontalScroll::ScrollBy(CRuler& ruler, int pixels) {
    if (pixels == 0)
        return false;
    const long long wanted = static_cast<long long>(ruler.GetScrollPosition()) + pixels;
    const int target = static_cast<int>(std::clamp<long long>(
        wanted, std::numeric_limits<int>::min() / 2, std::numeric_limits<int>::max() / 2));
    const COleDateTime origin = ruler.GetOrigin();
    const DateOffset edge = ruler.XToDateOffset(target);
    if (edge.date.IsValid())
        ruler.ScrollTo(edge.date, edge.offset);
    if (ruler.GetOrigin() != origin)
        return true;
    // ScrollTo refuses days at the ends of the calendar; the edge then stops
    // at the span.
    const int last = static_cast<int>(std::floor(ruler.SpanPixels())) - ruler.GetWidth();
    ruler.SetScrollPosition(std::clamp(target, 0, std::max(0, last)));
    return false;
}

}  // namespace qb
