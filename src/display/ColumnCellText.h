#pragma once

#include <string>

namespace qb {

class CGuiColumnArray;
class CGuiRowArray;
class DisplayTree;
struct ScheduleFields;

// The texts of the column area's cells. Free-text columns read the row's own
// "_c<column id>" value; the computed kinds read the row's first schedule in
// project order, or all its schedules (kinds 8 and 9), or its aggregated
// days (kinds 10 and 11), which layout fills in once they are counted.
class ColumnCellText {
public:
    enum Kind {
        kFreeText = 0,
        kStart = 1,
        kEnd = 2,
        kActualStart = 3,
        kActualEnd = 4,
        kCaption = 5,
        kProgress = 6,
        kRemark = 7,
        kEarliestStart = 8,
        kLatestEnd = 9,
        kTotal2 = 10,
        kTotal3 = 11,
    };

    // The row parameter a free-text column keeps its cells in.
    static std::string CellName(int columnId);
    // Fills the computed cells of kinds 1 to 9 of every row from the tree's
    // schedules, in one pass over them; the rows already hold their texts
    // of kind 0.
    static void FillScheduleTexts(DisplayTree& tree);
    // Kinds 10 and 11 from the rows' counted totals.
    static void FillTotals(const CGuiRowArray& rows, const CGuiColumnArray& columns);
    // The cell of a kind 1 to 7 for the row's first schedule; remark is the
    // schedule's remark (kind 7).
    static std::string FirstScheduleText(int kind, const ScheduleFields& first,
                                         const std::string& remark);
};

}  // namespace qb
