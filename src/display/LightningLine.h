#pragma once

#include <span>

#include "DrawTypes.h"

namespace qb {

class IDrawContext;

// The progress line ("イナズマ線"): a vertical line at the reference date
// that reaches out to each schedule's progress point and back.
class LightningLine {
public:
    // How far above and below a point the line leaves and rejoins the vertical.
    static constexpr int kSpread = 7;

    // points sorted by y; only those near the rows from top to bottom are
    // drawn, and the line runs from max(0, top) to min(totalHeight, bottom).
    static void Draw(IDrawContext& dc, int x, std::span<const DrawPoint> points, int totalHeight,
                     const DrawPen& pen, int top, int bottom);
};

}  // namespace qb
