#include "ScheduleDrawPasses.h"

#include <algorithm>

#include "CGuiSchedule.h"
#include "CRuler.h"
#include "GuiDrawArgs.h"

namespace qb {

void ScheduleDrawPasses::Draw(IDrawContext& dc, std::vector<CGuiSchedule*> schedules,
                              const GuiDrawArgs& args) {
    if (args.chart.ruler != nullptr) {
        // From the first displayed day to one day after the last.
        const COleDateTime from = args.chart.ruler->XToDate(args.visible.left);
        const COleDateTime to = args.chart.ruler->XToDate(args.visible.right).AddDays(1);
        std::erase_if(schedules, [&](const CGuiSchedule* s) { return !s->InDateRange(from, to); });
    }
    std::sort(schedules.begin(), schedules.end(), [](const CGuiSchedule* a, const CGuiSchedule* b) {
        return a->GetIndex() < b->GetIndex();
    });
    for (CGuiSchedule* s : schedules) {
        s->DrawShoulder(dc, args);
    }
    for (CGuiSchedule* s : schedules) {
        s->DrawActual(dc, args);
    }
    for (CGuiSchedule* s : schedules) {
        s->DrawBody(dc, args);
    }
}

}  // namespace qb
