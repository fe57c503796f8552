#include "CGuiSummaryBar.h"

#include <algorithm>

#include "DisplaySettings.h"
#include "GuiDrawArgs.h"
#include "IDrawContext.h"
#include "ScheduleFields.h"
#include "ScheduleGeometry.h"

namespace qb {

CGuiSummaryBar::CGuiSummaryBar() : CGuiObject(-1) {}

void CGuiSummaryBar::Include(const ScheduleFields& fields, const TimeScale& scale) {
    // The ends go through the same mapping as the bars, so the summary ends
    // on the same pixel as the latest bar below it.
    const int start =
        ScheduleGeometry::X(scale, fields.startDate, fields.startOffset, fields.byDay);
    const int end = fields.IsPoint() ? start
                                     : ScheduleGeometry::X(scale, fields.endDate, fields.endOffset,
                                                           fields.byDay);
    left_ = spanned_ ? std::min(left_, start) : start;
    right_ = spanned_ ? std::max(right_, end) : end;
    spanned_ = true;
}

void CGuiSummaryBar::Place(const GuiRect& row) {
    const int half = std::min(row.Height() / 2, kMaxHalfHeight);
    const int middle = row.top + row.Height() / 2;
    rect_ = GuiRect{left_, middle - half, right_, middle + half};
}

// The model places the bar when it lays out the schedules below the row.
void CGuiSummaryBar::CalcLayout(const ChartContext& /*chart*/) {}

void CGuiSummaryBar::Draw(IDrawContext& dc, const GuiDrawArgs& args) {
    if (!IsVisible()) {
        return;
    }
    const DisplaySettings& settings = args.chart.Display();
    dc.SetPen(DrawPen{kPenSolid, 1, settings.summaryEdgeColor});
    dc.SetBrush(DrawBrush::Solid(settings.summaryBgColor));
    dc.Rectangle(rect_.ToDrawRect());
}

}  // namespace qb
