#pragma once

namespace qb {

class CProject;

// Copies between projects for undo snapshots and restores. The content is
// what the user draws: the row tree, columns, schedules, links and memos with
// all their values and ids, and whether the column area is shown. The
// project's own values (name, options, passwords, mode, next id) and its
// holiday rules are not content.
class ProjectCopy {
public:
    // Replaces target's content by copies of source's.
    static void CopyContent(const CProject& source, CProject& target);
    // The project's own values and options (its params), without any array.
    static void CopyProjectValues(const CProject& source, CProject& target);
    // Replaces target's holiday rules by copies of source's.
    static void CopyHolidays(const CProject& source, CProject& target);
    // Everything: the project's own values, the content, the holiday rules.
    static void CopyFull(const CProject& source, CProject& target);
};

}  // namespace qb
