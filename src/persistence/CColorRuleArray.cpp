#include "CColorRuleArray.h"

#include <stdexcept>
#include <utility>

namespace qb {

const COLORRULE& CColorRuleArray::At(int index) const {
    CheckIndex(index);
    return rules_[static_cast<std::size_t>(index)];
}

void CColorRuleArray::RemoveAt(int index) {
    CheckIndex(index);
    rules_.erase(rules_.begin() + index);
}

void CColorRuleArray::Swap(int first, int second) {
    CheckIndex(first);
    CheckIndex(second);
    std::swap(rules_[static_cast<std::size_t>(first)], rules_[static_cast<std::size_t>(second)]);
}

int CColorRuleArray::FindColour(ColorRef colour) const {
    for (int i = 0; i < GetCount(); ++i) {
        if (rules_[static_cast<std::size_t>(i)].colour == colour)
            return i;
    }
    return -1;
}

void CColorRuleArray::CheckIndex(int index) const {
    if (index < 0 || index >= GetCount())
        throw std::out_of_range("colour rule index " + std::to_string(index));
}

}  // namespace qb
