#pragma once

#include <vector>

#include "DrawTypes.h"

namespace qb {

class CGuiObject;

// Display objects sorted by the top of their rectangles, so that a paint
// finds the few that overlap the visible rows by binary search instead of
// walking every object of the project.
class GuiYIndex {
public:
    // Objects without a laid-out rectangle are left out.
    void Build(std::vector<CGuiObject*> objects);
    void Clear();
    std::size_t Size() const { return objects_.size(); }

    // Objects whose rectangle, widened by margin on every side, overlaps
    // area; in ascending top order.
    template <class F>
    void ForEachOverlapping(const DrawRect& area, int margin, F&& f) const {
        for (std::size_t i = FirstCandidate(area.top - margin); i < objects_.size(); ++i) {
            const Entry& entry = objects_[i];
            if (entry.top >= area.bottom + margin)
                break;
            if (entry.bottom + margin > area.top && entry.left - margin < area.right &&
                entry.right + margin > area.left)
                f(*entry.object);
        }
    }

private:
    struct Entry {
        int top;
        int bottom;
        int left;
        int right;
        CGuiObject* object;
    };
    std::size_t FirstCandidate(int top) const;

    std::vector<Entry> objects_;
    // The tallest object: nothing starting above top - this reaches top.
    int maxHeight_ = 0;
};

}  // namespace qb
