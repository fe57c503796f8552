#include "ChartHint.h"

#include "CDisplayModel.h"
#include "CGuiRow.h"
#include "CRuler.h"
#include "DateText.h"
#include "GuiYIndex.h"

namespace qb {

namespace {

// Hit rectangles of schedules may reach past their bars by a few pixels.
constexpr int kHitMargin = 8;

const CGuiObject* HitIn(const GuiYIndex& index, DrawPoint point) {
    const CGuiObject* hit = nullptr;
    index.ForEachOverlapping(DrawRect{point.x, point.y, point.x + 1, point.y + 1}, kHitMargin,
                             [&](CGuiObject& object) {
                                 if (!hit && object.HitTest(point))
                                     hit = &object;
                             });
    return hit;
}

}  // namespace

std::string ChartHint::Text(const Input& input) {
    if (!input.inClient)
        return {};
    const CDisplayModel* model = input.model;
    if (model && model->IsBuilt()) {
        if (const CGuiObject* memo = HitIn(model->MemoIndex(), input.chartPoint))
            return memo->TooltipText();
        if (const CGuiObject* schedule = HitIn(model->ScheduleIndex(), input.chartPoint))
            return schedule->TooltipText();
    }
    if (!model || !model->IsBuilt())
        return kNoData;
    if (input.chartPoint.y >= model->TotalHeight())
        return kNoRow;
    const CGuiRow* row = model->RowAt(input.chartPoint.y);
    if (row && row->HasChildren() && input.summaryMode)
        return kSummaryRow;
    std::string text = kPosition;
    if (input.ruler)
        text += DateText::SlashDate(input.ruler->XToDate(input.chartPoint.x), true, true);
    text += "\r\n";
    text += input.pointShape ? kDoubleClick : kDrag;
    return text;
}

}  // namespace qb
