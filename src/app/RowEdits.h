#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "CData.h"
#include "EditResult.h"

namespace qb {

class AppServices;
class CRow;
class Document;
class EditSession;

// The changes to the row tree, each one single step of the edit transaction
// (one undo step in single mode, taken and written at once in shared mode),
// except bulk insertion, which is one transaction of many steps. Rows are
// found again by id after the file was taken; an owner row another process
// deleted meanwhile ends the step with message 199 and nothing written.
class RowEdits {
public:
    RowEdits(Document& document, EditSession& edit, AppServices& services)
        : document_(document), edit_(edit), services_(services) {}

    // A new row made from values (caption, fonts, colours, pens, height,
    // width, parameters; its id and children are ignored) in the children of
    // ownerId (kNoObject: the top level) at index (-1: at the end). The
    // result carries the new row's id.
    EditResult InsertRow(const CRow& values, std::int32_t ownerId, int index);
    // Bulk insertion: each row of values at the position, in order, inside
    // one transaction; when the transaction cannot begin nothing is inserted
    // and the result is a failure (already shown to the user). An owner gone
    // shows message 199 once and inserts nothing. ids: the new rows in the
    // order of values.
    EditResult InsertRows(const std::vector<std::unique_ptr<CRow>>& values, std::int32_t ownerId,
                          int index);
    // New values for existing rows (the row dialog, the bulk change): their
    // own properties and parameters, children and cell texts left alone
    // unless values carry them. All or none.
    EditResult ChangeRows(const std::vector<const CRow*>& values);
    // Moves a row with its subtree into the children of ownerId (kNoObject:
    // top level) at index, counted in the list without the moved row (-1:
    // at the end). Refused when ownerId is the row or one of its descendants.
    EditResult MoveRow(std::int32_t rowId, std::int32_t ownerId, int index);
    // The caption typed in place.
    EditResult SetCaption(std::int32_t rowId, const std::string& caption);

private:
    Document& document_;
    EditSession& edit_;
    AppServices& services_;
};

}  // namespace qb
