#pragma once

#include <cstdint>
#include <string_view>

#include "EditResult.h"

namespace qb {

class CProject;
class CStatus;

// Pastes a copied row block ("CF_QUELLBRANDIRENROW") into the open document:
// the copied row with its branch, and on the user's word the schedules,
// memos and links on it, go in above the selected row (at the end of the top
// level without one) as one step of the edit transaction. Every pasted
// object takes a new id of the document and every reference follows it; a
// row's cell texts move to the document's column of the same heading and are
// dropped where no column has it.
class RowPaste {
public:
    explicit RowPaste(CStatus& status) : status_(status) {}

    // atRowId: the selected row, or kNoObject. Asks first when the document
    // has columns sharing a heading (No pastes nothing) and when the block
    // holds schedules or memos (No leaves them out). A block that does not
    // read refuses with message 164, a selected row gone after the reload
    // with message 233; the caller shows the refusal. The result's id is the
    // pasted row.
    EditResult Paste(std::string_view block, std::int32_t atRowId);

    // Whether two live columns of project share a heading.
    static bool HasDuplicateHeadings(const CProject& project);

private:
    CStatus& status_;
};

}  // namespace qb
