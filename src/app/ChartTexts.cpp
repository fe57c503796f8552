#include "ChartTexts.h"

#include "CGuiSchedule.h"
#include "ChartScene.h"
#include "DateText.h"
#include "ScheduleTooltip.h"

namespace qb {

namespace {

// A schedule tells its dates and progress; a memo shows its own text already.
std::string ObjectText(const CGuiObject* object) {
    if (object == nullptr || object->GetObjectType() != CGuiObject::kSchedule)
        return {};
    return ScheduleTooltip::Text(static_cast<const CGuiSchedule*>(object)->GetFields());
}

}  // namespace

void ChartTexts::Install(ChartScene& scene) {
    scene.SetEmptyChartTexts(kNoDocument, kNoRows);
}

std::string ChartTexts::Text(const ChartHint& hint) {
    switch (hint.kind) {
        case ChartHint::Kind::kNone:
            return {};
        case ChartHint::Kind::kObject:
            return ObjectText(hint.object);
        case ChartHint::Kind::kNoData:
            return kNoData;
        case ChartHint::Kind::kNoRow:
            return kNoRow;
        case ChartHint::Kind::kSummaryRow:
            return kSummaryRow;
        case ChartHint::Kind::kPosition:
            break;
    }
    std::string text = kPosition;
    // The zero date: the chart had no ruler to read a day from.
    if (hint.day != COleDateTime())
        text += DateText::SlashDate(hint.day, true, true);
    text += "\r\n";
    text += hint.pointShape ? kDoubleClick : kDrag;
    return text;
}

std::string ChartTexts::OneLine(const ChartHint& hint) {
    return ChartHint::OneLine(Text(hint));
}

}  // namespace qb
