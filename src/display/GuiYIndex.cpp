#include "GuiYIndex.h"

#include <algorithm>

#include "CGuiObject.h"

namespace qb {

void GuiYIndex::Build(std::vector<CGuiObject*> objects) {
    objects_.clear();
    objects_.reserve(objects.size());
    maxHeight_ = 0;
    for (CGuiObject* object : objects) {
        const GuiRect rect = object->GetRect();
        if (!rect.IsLaidOut())
            continue;
        objects_.push_back(Entry{rect.top, rect.bottom, rect.left, rect.right, object});
        maxHeight_ = std::max(maxHeight_, rect.bottom - rect.top);
    }
    std::stable_sort(objects_.begin(), objects_.end(),
                     [](const Entry& a, const Entry& b) { return a.top < b.top; });
}

void GuiYIndex::Clear() {
    objects_.clear();
    maxHeight_ = 0;
}

std::size_t GuiYIndex::FirstCandidate(int top) const {
    // Widened to 64 bits: tops near the 32-bit limits must not wrap.
    const long long from = static_cast<long long>(top) - maxHeight_;
    auto it = std::lower_bound(objects_.begin(), objects_.end(), from,
                               [](const Entry& e, long long y) { return e.top < y; });
    return static_cast<std::size_t>(it - objects_.begin());
}

}  // namespace qb
