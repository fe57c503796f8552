#pragma once

#include <memory>
#include <string>

namespace qb {

class CProject;
class CRow;

// The values a new row starts with: the project's "_DefRow..." parameters,
// else the user's default height and fixed defaults (width 64, black text,
// white background, solid black 1-pixel pens).
class RowDefaults {
public:
    // defaultHeight: the DefRowHeight setting, used when the project has no
    // "_DefRowHeight".
    static std::unique_ptr<CRow> Prepare(const CProject& project, const std::string& caption,
                                         int defaultHeight);
    // Single insertion as the first child of a row without children in box
    // mode takes the parent's height instead.
    static void TakeParentHeight(CRow& row, const CProject& project, const CRow& parent);
};

}  // namespace qb
