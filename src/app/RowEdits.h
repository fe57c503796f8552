#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "CData.h"
#include "EditResult.h"

namespace qb {

class AppServices;
class CProject;
class CRow;
class CRowArray;
class Document;
class EditSession;

// The changes to the row tree, each one single step of the edit transaction
// (one undo step in single mode, taken and written at once in shared mode);
// bulk insertion too is one step for all its rows. Rows are found again by
// id after the file was taken; an owner row another process deleted
// meanwhile ends the step with message 199 and nothing written.
//
// An index is a position among the live rows of a sibling list, as the row
// tree shows them (LiveIndex::Of gives a row's; deleted rows still held in
// memory do not count); -1, or an index past the end, appends.
class RowEdits {
public:
    RowEdits(Document& document, EditSession& edit, AppServices& services)
        : document_(document), edit_(edit), services_(services) {}

    // A new row made from values (caption, fonts, colours, pens, height,
    // width, parameters; its id and children are ignored) in the children of
    // ownerId (kNoObject: the top level) at index (-1: at the end). The
    // result carries the new row's id.
    EditResult InsertRow(const CRow& values, std::int32_t ownerId, int index);
    // Bulk insertion: the rows of values end up at the position in their
    // order, the first at index, all in one step; when the file cannot be
    // taken nothing is inserted and the result is a failure (already shown
    // to the user). An owner gone refuses with message 199 once and inserts
    // nothing. ids: the new rows in the order of values.
    EditResult InsertRows(const std::vector<std::unique_ptr<CRow>>& values, std::int32_t ownerId,
                          int index);
    // New values for existing rows (the row dialog, the bulk change): their
    // own properties and parameters; children and cell texts ("_c" params,
    // typed cell by cell) are left alone. All or none; values the rows hold
    // already make no step.
    EditResult ChangeRows(const std::vector<const CRow*>& values);
    // Moves a row with its subtree into the children of ownerId (kNoObject:
    // top level) at index, counted in the list without the moved row (-1:
    // at the end). Refused when ownerId is the row or one of its descendants.
    EditResult MoveRow(std::int32_t rowId, std::int32_t ownerId, int index);
    // The caption typed in place.
    EditResult SetCaption(std::int32_t rowId, const std::string& caption);

    // ownerId is rowId or lies below it: rowId cannot move there.
    static bool IsInBranch(const CProject& project, std::int32_t rowId, std::int32_t ownerId);

private:
    // The children of a live owner row, or the top level; null when gone.
    static CRowArray* Siblings(CProject& project, std::int32_t ownerId);

    Document& document_;
    EditSession& edit_;
    AppServices& services_;
};

}  // namespace qb
