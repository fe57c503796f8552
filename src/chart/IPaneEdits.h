#pragma once

#include <cstdint>

namespace qb {

// The changes the column area and the row header make with the mouse, each
// one undoable step; false when the step was refused (the user has been
// told why) and nothing changed.
class IPaneEdits {
public:
    virtual ~IPaneEdits() = default;

    // A column's width dragged in the header.
    virtual bool CommitWidth(std::int32_t columnId, int width) = 0;
    // A column dragged to index among the columns, counted without it.
    virtual bool CommitMove(std::int32_t columnId, int index) = 0;
    // A row with its subtree dragged into the children of ownerId (kNoObject:
    // the top level) at index, counted without the row.
    virtual bool MoveRow(std::int32_t rowId, std::int32_t ownerId, int index) = 0;
};

}  // namespace qb
