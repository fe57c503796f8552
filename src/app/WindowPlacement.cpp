#include "WindowPlacement.h"

namespace qb {

bool WindowPlacement::Contains(const DrawRect& area, const DrawPoint& point) {
    return point.x >= area.left && point.x < area.right && point.y >= area.top &&
           point.y < area.bottom;
}

DrawRect WindowPlacement::DefaultFor(const DrawRect& desktop) {
    const DrawRect shrunk{desktop.left + kMargin, desktop.top + kMargin, desktop.right - kMargin,
                          desktop.bottom - kMargin};
    return shrunk.IsEmpty() ? desktop : shrunk;
}

DrawRect WindowPlacement::Choose(const DrawRect& stored, const std::vector<DrawRect>& monitors,
                                 const DrawRect& desktop) {
    if (stored.IsEmpty())
        return DefaultFor(desktop);
    const DrawPoint corner{stored.left, stored.top};
    if (monitors.empty())
        return Contains(desktop, corner) ? stored : DefaultFor(desktop);
    for (const DrawRect& monitor : monitors) {
        if (Contains(monitor, corner))
            return stored;
    }
    return DefaultFor(desktop);
}

}  // namespace qb
