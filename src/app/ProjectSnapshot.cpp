#include "ProjectSnapshot.h"

#include <algorithm>
#include <unordered_map>

#include "CProject.h"

namespace qb {
namespace {

using Block = ProjectSnapshot::Block;
using Blocks = ProjectSnapshot::Blocks;
constexpr std::size_t kBlockSize = ProjectSnapshot::kBlockSize;

// Finds, for each live object in turn, the earlier snapshot's copy of it when
// the object has not changed since. Objects mostly keep their order, so the
// next unused position is tried first; an index of every stamp is built only
// when objects were inserted, removed or reordered.
class SharedCopies {
public:
    SharedCopies(const Blocks* previous, std::size_t& shared)
        : previous_(previous && !previous->empty() ? previous : nullptr), shared_(shared) {
        if (previous_)
            size_ = (previous_->size() - 1) * kBlockSize + previous_->back()->copies.size();
    }

    // The earlier block at index when it copies exactly these objects.
    const std::shared_ptr<const Block>* SameBlock(std::size_t index,
                                                  const std::vector<const CData*>& live,
                                                  std::size_t first, std::size_t count) {
        if (!previous_ || index >= previous_->size())
            return nullptr;
        const auto& block = (*previous_)[index];
        if (block->stamps.size() != count)
            return nullptr;
        for (std::size_t i = 0; i < count; ++i) {
            if (block->stamps[i] != live[first + i]->GetChangeStamp())
                return nullptr;
        }
        next_ = first + count;
        shared_ += count;
        return &block;
    }

    std::shared_ptr<const CData> CopyOf(const CData& live) {
        if (auto copy = Match(live)) {
            ++shared_;
            return copy;
        }
        return std::shared_ptr<const CData>(live.Clone());
    }

private:
    std::uint64_t StampAt(std::size_t i) const {
        return (*previous_)[i / kBlockSize]->stamps[i % kBlockSize];
    }
    const std::shared_ptr<const CData>& CopyAt(std::size_t i) const {
        return (*previous_)[i / kBlockSize]->copies[i % kBlockSize];
    }

    std::shared_ptr<const CData> Match(const CData& live) {
        if (!previous_)
            return nullptr;
        const std::uint64_t stamp = live.GetChangeStamp();
        if (next_ < size_) {
            if (StampAt(next_) == stamp)
                return CopyAt(next_++);
            // The same object, changed in place.
            const CData& candidate = *CopyAt(next_);
            if (candidate.GetObjectId() == live.GetObjectId() &&
                candidate.GetType() == live.GetType()) {
                ++next_;
                return nullptr;
            }
            // One object removed before it.
            if (next_ + 1 < size_ && StampAt(next_ + 1) == stamp) {
                next_ += 2;
                return CopyAt(next_ - 1);
            }
        }
        const auto& index = Index();
        const auto found = index.find(stamp);
        if (found == index.end())
            return nullptr;
        next_ = found->second + 1;
        return CopyAt(found->second);
    }

    const std::unordered_map<std::uint64_t, std::size_t>& Index() {
        if (byStamp_.empty()) {
            byStamp_.reserve(size_);
            for (std::size_t i = 0; i < size_; ++i)
                byStamp_.emplace(StampAt(i), i);
        }
        return byStamp_;
    }

    const Blocks* previous_;
    std::size_t& shared_;
    std::size_t size_ = 0;
    std::size_t next_ = 0;
    std::unordered_map<std::uint64_t, std::size_t> byStamp_;
};

Blocks CopyBlocks(const std::vector<const CData*>& live, const Blocks* previous,
                  std::size_t& shared) {
    SharedCopies reuse(previous, shared);
    Blocks blocks;
    blocks.reserve((live.size() + kBlockSize - 1) / kBlockSize);
    for (std::size_t first = 0; first < live.size(); first += kBlockSize) {
        const std::size_t count = std::min(kBlockSize, live.size() - first);
        if (auto same = reuse.SameBlock(blocks.size(), live, first, count)) {
            blocks.push_back(*same);
            continue;
        }
        auto block = std::make_shared<Block>();
        block->stamps.reserve(count);
        block->copies.reserve(count);
        for (std::size_t i = first; i < first + count; ++i) {
            block->stamps.push_back(live[i]->GetChangeStamp());
            block->copies.push_back(reuse.CopyOf(*live[i]));
        }
        blocks.push_back(std::move(block));
    }
    return blocks;
}

// Filled slots only, as the content copy takes them; deleted objects stay so
// that their ids stay taken.
std::vector<const CData*> ElementsOf(const CDataArray& source) {
    std::vector<const CData*> elements;
    elements.reserve(static_cast<std::size_t>(source.GetCount()));
    for (int i = 0, n = source.GetCount(); i < n; ++i) {
        if (const CData* element = source.GetAt(i))
            elements.push_back(element);
    }
    return elements;
}

// Depth first: each row, then its children; the number of rows added.
int CollectRows(const CRowArray& source, std::vector<const CData*>& rows,
                std::vector<int>& childCounts) {
    int added = 0;
    for (int i = 0, n = source.GetCount(); i < n; ++i) {
        const CRow* row = source.At(i);
        if (!row)
            continue;
        rows.push_back(row);
        const std::size_t at = childCounts.size();
        childCounts.push_back(0);
        childCounts[at] = CollectRows(row->GetChildren(), rows, childCounts);
        ++added;
    }
    return added;
}

const CData& CopyAt(const Blocks& blocks, std::size_t i) {
    return *blocks[i / kBlockSize]->copies[i % kBlockSize];
}

// The mirror of CollectRows; next walks the depth-first lists.
void RestoreRows(const Blocks& rows, const std::vector<int>& childCounts, std::size_t& next,
                 int count, CRowArray& target) {
    for (int i = 0; i < count; ++i) {
        const std::size_t at = next++;
        std::unique_ptr<CData> copy = CopyAt(rows, at).Clone();
        auto& row = static_cast<CRow&>(*copy);
        if (childCounts[at] > 0)
            RestoreRows(rows, childCounts, next, childCounts[at], row.GetChildren());
        target.Add(std::move(copy));
    }
}

void AddElements(const Blocks& blocks, CDataArray& target) {
    for (const auto& block : blocks) {
        for (const auto& copy : block->copies)
            target.Add(copy->Clone());
    }
}

std::size_t CountOf(const Blocks& blocks) {
    return blocks.empty() ? 0 : (blocks.size() - 1) * kBlockSize + blocks.back()->copies.size();
}

}  // namespace

std::unique_ptr<const ProjectSnapshot> ProjectSnapshot::Take(const CProject& project,
                                                             const ProjectSnapshot* previous) {
    std::unique_ptr<ProjectSnapshot> snapshot(new ProjectSnapshot());
    std::size_t& shared = snapshot->shared_;
    auto take = [&](const std::vector<const CData*>& live, Blocks ProjectSnapshot::*list) {
        snapshot.get()->*list = CopyBlocks(live, previous ? &(previous->*list) : nullptr, shared);
    };
    std::vector<const CData*> rows;
    snapshot->topCount_ = CollectRows(project.GetRows(), rows, snapshot->childCounts_);
    take(rows, &ProjectSnapshot::rows_);
    take(ElementsOf(project.GetColumns()), &ProjectSnapshot::columns_);
    take(ElementsOf(project.GetSchedules()), &ProjectSnapshot::schedules_);
    take(ElementsOf(project.GetLinks()), &ProjectSnapshot::links_);
    take(ElementsOf(project.GetDrawParts()), &ProjectSnapshot::drawParts_);
    snapshot->displayColumns_ = project.IsDisplayColumns();
    return snapshot;
}

void ProjectSnapshot::CopyTo(CProject& target) const {
    target.GetRows().DeleteAll();
    target.GetColumns().DeleteAll();
    target.GetSchedules().DeleteAll();
    target.GetLinks().DeleteAll();
    target.GetDrawParts().DeleteAll();
    std::size_t next = 0;
    RestoreRows(rows_, childCounts_, next, topCount_, target.GetRows());
    AddElements(columns_, target.GetColumns());
    AddElements(schedules_, target.GetSchedules());
    AddElements(links_, target.GetLinks());
    AddElements(drawParts_, target.GetDrawParts());
    target.SetDisplayColumns(displayColumns_);
}

std::size_t ProjectSnapshot::ObjectCount() const {
    return CountOf(rows_) + CountOf(columns_) + CountOf(schedules_) + CountOf(links_) +
           CountOf(drawParts_);
}

}  // namespace qb
