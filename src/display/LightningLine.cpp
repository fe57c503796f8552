#include "LightningLine.h"

#include <algorithm>
#include <vector>

#include "IDrawContext.h"

namespace qb {

void LightningLine::Draw(IDrawContext& dc, int x, std::span<const DrawPoint> points,
                         int totalHeight, const DrawPen& pen, int top, int bottom) {
    // Points a little outside the band still bend the line inside it.
    const int from = std::max(0, top - kSpread - 1);
    const int to = std::min(totalHeight, bottom + kSpread + 1);
    if (from >= to)
        return;
    auto first = std::lower_bound(points.begin(), points.end(), from - kSpread,
                                  [](DrawPoint p, int y) { return p.y < y; });
    std::vector<DrawPoint> line{DrawPoint{x, from}};
    for (auto it = first; it != points.end() && it->y <= to + kSpread; ++it) {
        line.push_back(DrawPoint{x, it->y - kSpread});
        line.push_back(*it);
        line.push_back(DrawPoint{x, it->y + kSpread});
    }
    line.push_back(DrawPoint{x, to});
    dc.SetPen(pen);
    dc.Polyline(line);
}

}  // namespace qb
