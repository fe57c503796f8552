#pragma once

#include <cstdint>
#include <memory>
#include <vector>

namespace qb {

class CData;
class CProject;

// A frozen copy of a project's content (what ProjectCopy::CopyContent
// copies) for the undo history. Each object is held as an immutable copy that
// later snapshots share for as long as the live object keeps its change
// stamp, so a snapshot after a small change copies only what changed. Copies
// go in blocks of consecutive objects, shared whole while none of them
// changed, so that a snapshot of a large project touches little memory.
class ProjectSnapshot {
public:
    static constexpr std::size_t kBlockSize = 256;

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

    // Up to kBlockSize copies with the stamps of the objects they copy; only
    // the last block of a list is shorter.
    struct Block {
        std::vector<std::uint64_t> stamps;
        std::vector<std::shared_ptr<const CData>> copies;
    };
    using Blocks = std::vector<std::shared_ptr<const Block>>;

private:
    ProjectSnapshot() = default;

    // The row tree in depth-first order, each row with its number of
    // children (the copies themselves hold no children).
    Blocks rows_;
    std::vector<int> childCounts_;
    int topCount_ = 0;
    Blocks columns_;
    Blocks schedules_;
    Blocks links_;
    Blocks drawParts_;
    bool displayColumns_ = false;
    std::size_t shared_ = 0;
};

}  // namespace qb
