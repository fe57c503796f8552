#pragma once

#include <optional>

#include "CColorRuleArray.h"

namespace qb {

// A colour drop-down that may offer the current colour rules. Its list has
// one item more than there are rules: item 0 opens the ordinary colour
// grid, item k the colour of rule k - 1.
class ColourRuleChoice {
public:
    // Whether opening the drop-down lists the rules instead of the grid.
    static bool ListsRules(bool allowed, const CColorRuleArray& rules) {
        return allowed && !rules.IsEmpty();
    }
    // The item shown selected when the list opens: the first rule of the
    // current colour, or -1 when no rule has it.
    static int PreselectedItem(const CColorRuleArray& rules, ColorRef current);
    // The colour item gives; nothing for item 0 (the grid) or no item.
    static std::optional<ColorRef> ColourOfItem(const CColorRuleArray& rules, int item);
};

}  // namespace qb
