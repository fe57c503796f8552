#pragma once

#include <cstdint>
#include <string>

#include "EditResult.h"

namespace qb {

class AppServices;
class CColumn;
class Document;
class EditSession;

// The changes to the column area's data, each one single step of the edit
// transaction. Columns and rows are found again by id after the file was
// taken; one that another process deleted meanwhile ends the step with the
// matching message and nothing written.
class ColumnEdits {
public:
    ColumnEdits(Document& document, EditSession& edit, AppServices& services)
        : document_(document), edit_(edit), services_(services) {}

    // A new column made from values, at index among the live columns (as
    // LiveIndex::Of counts; -1 or past the end: at the end); the result carries its id. Widths
    // below 10 are raised to 10.
    EditResult AddColumn(const CColumn& values, int index = -1);
    // New values for an existing column (the property dialog, a width
    // dragged in the header); widths below 10 are raised to 10.
    EditResult ChangeColumn(const CColumn& values);
    // Moves a column to index among the live columns counted without it
    // (-1: at the end).
    EditResult MoveColumn(std::int32_t columnId, int index);
    // Deletes the column and its text ("_c" and the column's id) from every
    // row.
    EditResult DeleteColumn(std::int32_t columnId);
    // The free text of one cell; an empty text removes the row's parameter.
    // Refused for a column whose cells are computed (kinds other than 0).
    EditResult SetCellText(std::int32_t rowId, std::int32_t columnId, const std::string& text);

    // The name of the row parameter holding a column's free text.
    static std::string CellName(std::int32_t columnId);

    // The narrowest a column may be.
    static constexpr std::int32_t kMinWidth = 10;

private:
    Document& document_;
    EditSession& edit_;
    AppServices& services_;
};

}  // namespace qb
