#pragma once

#include <cstdint>
#include <string_view>

#include "EditResult.h"

namespace qb {

class CStatus;

// Pastes a copied row block ("CF_QUELLBRANDIRENROW") into the open document
// as one step of the edit transaction.
class RowPaste {
public:
    explicit RowPaste(CStatus& status) : status_(status) {}

    // atRowId: the selected row, or kNoObject. The result's id is the first
    // inserted row.
    EditResult Paste(std::string_view block, std::int32_t atRowId);

private:
    CStatus& status_;
};

}  // namespace qb
