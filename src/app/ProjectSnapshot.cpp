#include "ProjectSnapshot.h"

#include <cstdint>
#include <unordered_map>

#include "CProject.h"

namespace qb {
namespace {

using Copies = std::vector<std::shared_ptr<const CData>>;

// Finds, for each live object in turn, the earlier snapshot's copy of it when
// the object has not changed since. Objects mostly keep their order, so the
// next unused position is tried first; an index of every stamp is built only
// when objects were inserted, removed or reordered.
class SharedCopies {
public:
    SharedCopies(const Copies* previous, std::size_t& shared)
        : previous_(previous && !previous->empty() ? previous : nullptr), shared_(shared) {}

    std::shared_ptr<const CData> CopyOf(const CData& live) {
        if (auto copy = Match(live)) {
            ++shared_;
            return copy;
        }
        return std::shared_ptr<const CData>(live.Clone());
    }

private:
    std::shared_ptr<const CData> Match(const CData& live) {
        if (!previous_)
            return nullptr;
        const std::uint64_t stamp = live.GetChangeStamp();
        const Copies& previous = *previous_;
        if (next_ < previous.size()) {
            const CData& candidate = *previous[next_];
            if (candidate.GetChangeStamp() == stamp)
                return previous[next_++];
            // The same object, changed in place.
            if (candidate.GetObjectId() == live.GetObjectId() &&
                candidate.GetType() == live.GetType()) {
                ++next_;
                return nullptr;
            }
            // One object removed before it.
            if (next_ + 1 < previous.size() && previous[next_ + 1]->GetChangeStamp() == stamp) {
                next_ += 2;
                return previous[next_ - 1];
            }
        }
        const auto found = Index().find(stamp);
        if (found == byStamp_.end())
            return nullptr;
        next_ = found->second + 1;
        return previous[found->second];
    }

    const std::unordered_map<std::uint64_t, std::size_t>& Index() {
        if (byStamp_.empty()) {
            byStamp_.reserve(previous_->size());
            for (std::size_t i = 0; i < previous_->size(); ++i)
                byStamp_.emplace((*previous_)[i]->GetChangeStamp(), i);
        }
        return byStamp_;
    }

    const Copies* previous_;
    std::size_t& shared_;
    std::size_t next_ = 0;
    std::unordered_map<std::uint64_t, std::size_t> byStamp_;
};

// Filled slots only, as the content copy takes them; deleted objects stay so
// that their ids stay taken.
Copies CopyElements(const CDataArray& source, const Copies* previous, std::size_t& shared) {
    SharedCopies reuse(previous, shared);
    Copies copies;
    copies.reserve(static_cast<std::size_t>(source.GetCount()));
    for (int i = 0, n = source.GetCount(); i < n; ++i) {
        if (const CData* element = source.GetAt(i))
            copies.push_back(reuse.CopyOf(*element));
    }
    return copies;
}

// Depth first: each row, then its children; the number of rows added.
int AddRows(const CRowArray& source, SharedCopies& reuse, Copies& rows,
            std::vector<int>& childCounts) {
    int added = 0;
    for (int i = 0, n = source.GetCount(); i < n; ++i) {
        const CRow* row = source.At(i);
        if (!row)
            continue;
        rows.push_back(reuse.CopyOf(*row));
        const std::size_t at = childCounts.size();
        childCounts.push_back(0);
        childCounts[at] = AddRows(row->GetChildren(), reuse, rows, childCounts);
        ++added;
    }
    return added;
}

// The mirror of AddRows; next walks the depth-first lists.
void RestoreRows(const Copies& rows, const std::vector<int>& childCounts, std::size_t& next,
                 int count, CRowArray& target) {
    for (int i = 0; i < count; ++i) {
        const std::size_t at = next++;
        std::unique_ptr<CData> copy = rows[at]->Clone();
        auto& row = static_cast<CRow&>(*copy);
        RestoreRows(rows, childCounts, next, childCounts[at], row.GetChildren());
        target.Add(std::move(copy));
    }
}

void AddElements(const Copies& copies, CDataArray& target) {
    for (const auto& copy : copies)
        target.Add(copy->Clone());
}

}  // namespace

std::unique_ptr<const ProjectSnapshot> ProjectSnapshot::Take(const CProject& project,
                                                             const ProjectSnapshot* previous) {
    std::unique_ptr<ProjectSnapshot> snapshot(new ProjectSnapshot());
    std::size_t& shared = snapshot->shared_;
    {
        RowTree& rows = snapshot->rows_;
        SharedCopies reuse(previous ? &previous->rows_.rows : nullptr, shared);
        rows.topCount = AddRows(project.GetRows(), reuse, rows.rows, rows.childCounts);
    }
    snapshot->columns_ =
        CopyElements(project.GetColumns(), previous ? &previous->columns_ : nullptr, shared);
    snapshot->schedules_ =
        CopyElements(project.GetSchedules(), previous ? &previous->schedules_ : nullptr, shared);
    snapshot->links_ =
        CopyElements(project.GetLinks(), previous ? &previous->links_ : nullptr, shared);
    snapshot->drawParts_ =
        CopyElements(project.GetDrawParts(), previous ? &previous->drawParts_ : nullptr, shared);
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
    RestoreRows(rows_.rows, rows_.childCounts, next, rows_.topCount, target.GetRows());
    AddElements(columns_, target.GetColumns());
    AddElements(schedules_, target.GetSchedules());
    AddElements(links_, target.GetLinks());
    AddElements(drawParts_, target.GetDrawParts());
    target.SetDisplayColumns(displayColumns_);
}

std::size_t ProjectSnapshot::ObjectCount() const {
    return rows_.rows.size() + columns_.size() + schedules_.size() + links_.size() +
           drawParts_.size();
}

}  // namespace qb
