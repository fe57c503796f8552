#pragma once

#include <memory>
#include <vector>

namespace qb {

class CData;
class CProject;

// A frozen copy of a project's content (what ProjectCopy::CopyContent
// copies) for the undo history. Each object is held as an immutable copy that
// later snapshots share for as long as the live object keeps its change
// stamp, so a snapshot after a small change copies only what changed.
class ProjectSnapshot {
public:
    // The content of project; copies whose object has not changed since
    // previous (if any) was taken are shared with it.
    static std::unique_ptr<const ProjectSnapshot> Take(const CProject& project,
                                                       const ProjectSnapshot* previous = nullptr);

    // Replaces target's content by fresh copies of this snapshot's.
    void CopyTo(CProject& target) const;

    // How many objects this snapshot holds, and how many of them it shares
    // with the snapshot it was taken after.
    std::size_t ObjectCount() const;
    std::size_t SharedCount() const { return shared_; }

private:
    using Copies = std::vector<std::shared_ptr<const CData>>;
    // The row tree in depth-first order, each row with its number of
    // children (the copies themselves hold no children).
    struct RowTree {
        Copies rows;
        std::vector<int> childCounts;
        int topCount = 0;
    };

    ProjectSnapshot() = default;

    RowTree rows_;
    Copies columns_;
    Copies schedules_;
    Copies links_;
    Copies drawParts_;
    bool displayColumns_ = false;
    std::size_t shared_ = 0;
};

}  // namespace qb
