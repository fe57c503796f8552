#include "LoadGraphSettings.h"

#include <algorithm>

namespace qb {

LoadGraphSettings LoadGraphSettings::Usable() const {
    LoadGraphSettings usable = *this;
    if (usable.max <= 0)
        usable.max = kDefaultMax;
    usable.height = std::clamp(usable.height, kMinEnteredHeight + 1, kMaxEnteredHeight + 1);
    usable.auxLine = std::max(usable.auxLine, 0);
    return usable;
}

}  // namespace qb
