#pragma once

#include <string>

#include "CanvasInput.h"
#include "DrawTypes.h"

namespace qb {

class CDisplayModel;
class ChartScene;
class Palette;

// What the chart says at the mouse: the status bar's and tip's text and the
// cursor over the handles of selected objects.
class CanvasHint {
public:
    // point is in chart-pane pixels.
    static std::string Text(const ChartScene& scene, const Palette& palette, DrawPoint point);
    // A memo's handles win over a schedule's; chartPoint in chart coordinates.
    static CanvasCursor Cursor(const CDisplayModel& model, DrawPoint chartPoint, bool memoMode);
    static CanvasCursor ForHandle(int handle);
};

}  // namespace qb
