#include "ColourRuleChoice.h"

namespace qb {

int ColourRuleChoice::PreselectedItem(const CColorRuleArray& rules, ColorRef current) {
    const int index = rules.FindColour(current);
    return index < 0 ? -1 : index + 1;
}

std::optional<ColorRef> ColourRuleChoice::ColourOfItem(const CColorRuleArray& rules, int item) {
    if (item < 1 || item > rules.GetCount())
        return std::nullopt;
    return rules.At(item - 1).colour;
}

}  // namespace qb
