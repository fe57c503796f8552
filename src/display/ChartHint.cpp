#include "ChartHint.h"

#include "CDisplayModel.h"
#include "CGuiRow.h"
#include "CRuler.h"
#include "ChartContext.h"
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

ChartHint OfKind(ChartHint::Kind kind) {
    ChartHint hint;
    hint.kind = kind;
    return hint;
}

}  // namespace

ChartHint ChartHint::At(const ChartContext& chart, bool inClient, DrawPoint chartPoint,
                        bool pointShape) {
    if (!inClient)
        return {};
    const CDisplayModel* model = chart.model;
    if (!model || !model->IsBuilt())
        return OfKind(Kind::kNoData);
    const CGuiObject* object = HitIn(model->MemoIndex(), chartPoint);
    if (object == nullptr)
        object = HitIn(model->ScheduleIndex(), chartPoint);
    if (object != nullptr) {
        ChartHint hint = OfKind(Kind::kObject);
        hint.object = object;
        return hint;
    }
    if (chartPoint.y >= model->TotalHeight())
        return OfKind(Kind::kNoRow);
    const CGuiRow* row = model->RowAt(chartPoint.y);
    if (row && row->HasChildren() && chart.summaryMode)
        return OfKind(Kind::kSummaryRow);
    ChartHint hint = OfKind(Kind::kPosition);
    if (chart.ruler)
        hint.day = chart.ruler->XToDate(chartPoint.x);
    hint.pointShape = pointShape;
    return hint;
}

std::string ChartHint::OneLine(std::string_view text) {
    std::string line;
    line.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            line += ' ';
            ++i;
        } else {
            line += text[i];
        }
    }
    return line;
}

}  // namespace qb
