#include "LinkForm.h"

#include "CLink.h"
#include "FormPen.h"

namespace qb {
namespace {

bool InRange(int value, int count) {
    return value >= 0 && value < count;
}

}  // namespace

LinkForm::LinkForm(const CLink& values)
    : linePen(values.GetLinePen()),
      fromEndStyle(values.GetFromEndStyle()),
      toEndStyle(values.GetToEndStyle()),
      fromHorzPosition(values.GetFromHorzPosition()),
      fromVertPosition(values.GetFromVertPosition()),
      toHorzPosition(values.GetToHorzPosition()),
      toVertPosition(values.GetToVertPosition()) {}

std::optional<PromptMessage> LinkForm::Check() const {
    if (auto refusal = FormPen::Check(linePen, "線"))
        return refusal;
    // Positions outside the catalogue are read as 0 by the chart; the dialog
    // offers only the three.
    if (!InRange(fromHorzPosition, kPositionCount) || !InRange(fromVertPosition, kPositionCount) ||
        !InRange(toHorzPosition, kPositionCount) || !InRange(toVertPosition, kPositionCount))
        return PromptMessage{0, "リンクの接続位置を選んでください。", PromptIcon::kWarning,
                             PromptButtons::kOk};
    return std::nullopt;
}

void LinkForm::Apply(CLink& values) const {
    values.SetLinePen(linePen);
    values.SetFromEndStyle(fromEndStyle);
    values.SetToEndStyle(toEndStyle);
    values.SetFromHorzPosition(fromHorzPosition);
    values.SetFromVertPosition(fromVertPosition);
    values.SetToHorzPosition(toHorzPosition);
    values.SetToVertPosition(toVertPosition);
}

}  // namespace qb
