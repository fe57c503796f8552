#pragma once

#include <vector>

namespace qb {

class CGuiSchedule;
class IDrawContext;
struct GuiDrawArgs;

// Draws schedules the way the chart shows them: first every shoulder label,
// then every actual line, then every body, each pass in array order, so that
// no label or actual line lies over another schedule's bar.
class ScheduleDrawPasses {
public:
    // Schedules outside the displayed days (when args has a ruler) are skipped.
    static void Draw(IDrawContext& dc, std::vector<CGuiSchedule*> schedules,
                     const GuiDrawArgs& args);
};

}  // namespace qb
