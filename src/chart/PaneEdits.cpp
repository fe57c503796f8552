#include "PaneEdits.h"

#include "AppServices.h"
#include "CCommandHandler.h"
#include "CStatus.h"
#include "ColumnCommands.h"
#include "RowEdits.h"

namespace qb {

bool PaneEdits::CommitWidth(std::int32_t columnId, int width) {
    return status_.Commands().Columns().CommitWidth(columnId, width);
}

bool PaneEdits::CommitMove(std::int32_t columnId, int index) {
    return status_.Commands().Columns().CommitMove(columnId, index);
}

bool PaneEdits::MoveRow(std::int32_t rowId, std::int32_t ownerId, int index) {
    const EditResult result = status_.RowEdit().MoveRow(rowId, ownerId, index);
    if (!result.ok && result.message)
        status_.Services().Prompt().Show(*result.message);
    return result.ok;
}

}  // namespace qb
