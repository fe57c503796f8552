#include "GuiYIndex.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "CGuiObject.h"

namespace qb {

namespace {

constexpr int kNone = std::numeric_limits<int>::min();
constexpr int kNoLeft = std::numeric_limits<int>::max();

// Above this many objects a stable radix sort on the top beats a merge sort.
constexpr std::size_t kRadixFrom = 512;
constexpr int kDigitBits = 11;
constexpr std::size_t kBuckets = std::size_t{1} << kDigitBits;

std::uint32_t SortKey(int top) {
    // Flipping the sign bit orders negative tops first.
    return static_cast<std::uint32_t>(top) ^ 0x80000000u;
}

}  // namespace

// buffer is room the sort may keep from one call to the next.
template <class Entry>
static void SortByTop(std::vector<Entry>& entries, std::vector<Entry>& buffer) {
    const auto byTop = [](const Entry& a, const Entry& b) { return a.top < b.top; };
    // Objects laid out row by row often come in order already.
    if (std::is_sorted(entries.begin(), entries.end(), byTop))
        return;
    if (entries.size() < kRadixFrom) {
        std::stable_sort(entries.begin(), entries.end(), byTop);
        return;
    }
    std::uint32_t low = ~0u;
    std::uint32_t high = 0;
    for (const Entry& entry : entries) {
        low = std::min(low, SortKey(entry.top));
        high = std::max(high, SortKey(entry.top));
    }
    buffer.resize(entries.size());
    // Least significant digit first; each pass is stable, so equal tops keep
    // their order. Digits above the spread of the keys are all alike.
    const std::uint32_t spread = high - low;
    for (int shift = 0; shift == 0 || (shift < 32 && (spread >> shift) != 0); shift += kDigitBits) {
        std::vector<std::size_t> counts(kBuckets + 1, 0);
        for (const Entry& entry : entries)
            ++counts[((SortKey(entry.top) - low) >> shift & (kBuckets - 1)) + 1];
        for (std::size_t i = 1; i <= kBuckets; ++i)
            counts[i] += counts[i - 1];
        for (const Entry& entry : entries)
            buffer[counts[(SortKey(entry.top) - low) >> shift & (kBuckets - 1)]++] = entry;
        entries.swap(buffer);
    }
}

void GuiYIndex::Build(std::vector<CGuiObject*> objects) {
    Start(objects.size());
    for (CGuiObject* object : objects)
        Add(object->GetRect(), object);
    Finish();
}

// Until Finish the index finds nothing.
void GuiYIndex::Start(std::size_t expected) {
    objects_.clear();
    objects_.reserve(expected);
    reaches_.clear();
    leafCount_ = 0;
}

void GuiYIndex::Add(const GuiRect& rect, CGuiObject* object) {
    if (rect.IsLaidOut())
        objects_.push_back(Entry{rect.top, rect.bottom, rect.left, rect.right, object});
}

void GuiYIndex::Finish() {
    SortByTop(objects_, sortBuffer_);

    const std::size_t blocks = (objects_.size() + kBlock - 1) / kBlock;
    leafCount_ = 1;
    while (leafCount_ < blocks)
        leafCount_ *= 2;
    // Empty leaves reach nowhere, so every search skips them.
    reaches_.assign(2 * leafCount_, Reach{kNone, kNoLeft, kNone});
    for (std::size_t i = 0; i < objects_.size(); ++i) {
        Reach& reach = reaches_[leafCount_ + i / kBlock];
        reach.bottom = std::max(reach.bottom, objects_[i].bottom);
        reach.left = std::min(reach.left, objects_[i].left);
        reach.right = std::max(reach.right, objects_[i].right);
    }
    for (std::size_t node = leafCount_; node-- > 1;) {
        const Reach& a = reaches_[2 * node];
        const Reach& b = reaches_[2 * node + 1];
        reaches_[node] = Reach{std::max(a.bottom, b.bottom), std::min(a.left, b.left),
                               std::max(a.right, b.right)};
    }
}

void GuiYIndex::Clear() {
    objects_.clear();
    reaches_.clear();
    leafCount_ = 0;
}

}  // namespace qb
