#pragma once

#include <cstdint>
#include <unordered_map>

namespace qb {

class CProject;
class CRowArray;

// Adds the live content of one project to another: its rows after the
// target's rows, its schedules, memos and links, and the columns the target
// does not have yet (matched by the row value they show). Every object gets
// a new id of the target, and references between objects follow.
class ProjectMerge {
public:
    static void Merge(CProject& target, const CProject& source);

private:
    using IdMap = std::unordered_map<std::int32_t, std::int32_t>;

    static void MergeRows(CProject& target, const CRowArray& from, CRowArray& into, IdMap& ids);
    static void MergeColumns(CProject& target, const CProject& source);
    static void MergeSchedules(CProject& target, const CProject& source, IdMap& ids);
    static void MergeDrawParts(CProject& target, const CProject& source, IdMap& ids);
    static void MergeLinks(CProject& target, const CProject& source, const IdMap& ids);
};

}  // namespace qb
