#pragma once

#include "IPaneEdits.h"

namespace qb {

class CStatus;

// The panes' writes through the application's column commands and row
// edits; refusals are shown to the user.
class PaneEdits : public IPaneEdits {
public:
    explicit PaneEdits(CStatus& status) : status_(status) {}

    bool CommitWidth(std::int32_t columnId, int width) override;
    bool CommitMove(std::int32_t columnId, int index) override;
    bool MoveRow(std::int32_t rowId, std::int32_t ownerId, int index) override;

private:
    CStatus& status_;
};

}  // namespace qb
