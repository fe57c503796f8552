#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "DrawTypes.h"
#include "GuiRect.h"

namespace qb {

class CGuiObject;

// Display objects sorted by the top of their rectangles, so that a paint
// finds the few that overlap the visible area without walking every object
// of the project. A tree over blocks of the sorted objects keeps the reach of
// each block (lowest bottom reached, leftmost left, rightmost right): links
// between far-apart schedules are very tall, and a search by top alone would
// have to look at all of them on every paint.
class GuiYIndex {
public:
    // Objects without a laid-out rectangle are left out.
    void Build(std::vector<CGuiObject*> objects);
    // The same in steps, for a caller that has each rectangle at hand: Start,
    // Add every object in order, Finish.
    void Start(std::size_t expected);
    void Add(const GuiRect& rect, CGuiObject* object);
    void Finish();
    void Clear();
    std::size_t Size() const { return objects_.size(); }

    // Objects whose rectangle, widened by margin on every side, overlaps
    // area; in ascending top order.
    template <class F>
    void ForEachOverlapping(const DrawRect& area, int margin, F&& f) const {
        if (reaches_.empty())
            return;
        // 64 bits: areas and rectangles near the 32-bit limits must not wrap.
        const Query query{std::int64_t{area.left} - margin, std::int64_t{area.top} - margin,
                          std::int64_t{area.right} + margin, std::int64_t{area.bottom} + margin};
        Visit(1, 0, leafCount_, query, f);
    }

private:
    struct Entry {
        int top;
        int bottom;
        int left;
        int right;
        CGuiObject* object;
    };
    // The union of the rectangles of the objects below one tree node.
    struct Reach {
        int bottom;
        int left;
        int right;
    };
    // The area already widened by the margin.
    struct Query {
        std::int64_t left;
        std::int64_t top;
        std::int64_t right;
        std::int64_t bottom;
    };
    static constexpr std::size_t kBlock = 16;

    bool Misses(const Reach& reach, const Query& query) const {
        return reach.bottom <= query.top || reach.left >= query.right || reach.right <= query.left;
    }

    // Nodes are visited in order; returns true once an object starts below
    // the area, as every later one does too.
    template <class F>
    bool Visit(std::size_t node, std::size_t first, std::size_t last, const Query& query,
               F& f) const {
        const std::size_t begin = first * kBlock;
        if (begin >= objects_.size())
            return true;
        if (objects_[begin].top >= query.bottom)
            return true;
        if (Misses(reaches_[node], query))
            return false;
        if (last - first == 1) {
            const std::size_t end = std::min(begin + kBlock, objects_.size());
            for (std::size_t i = begin; i < end; ++i) {
                const Entry& entry = objects_[i];
                if (entry.top >= query.bottom)
                    return true;
                if (entry.bottom > query.top && entry.left < query.right &&
                    entry.right > query.left)
                    f(*entry.object);
            }
            return false;
        }
        const std::size_t middle = first + (last - first) / 2;
        return Visit(2 * node, first, middle, query, f) ||
               Visit(2 * node + 1, middle, last, query, f);
    }

    std::vector<Entry> objects_;
    // The sort's second array, kept for the next layout along with the room
    // of the first.
    std::vector<Entry> sortBuffer_;
    // A complete binary tree over the blocks of kBlock objects, root at 1.
    std::vector<Reach> reaches_;
    std::size_t leafCount_ = 0;
};

}  // namespace qb
