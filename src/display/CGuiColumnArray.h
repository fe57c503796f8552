#pragma once

#include <map>

#include "CGuiColumn.h"
#include "CGuiObjectArrayOf.h"
#include "ChartContext.h"
#include "DrawTypes.h"

namespace qb {

// The columns in project order (deleted ones left out), with the pens of
// their right borders by x, which the cell pane draws from top to bottom.
class CGuiColumnArray : public CGuiObjectArrayOf<CGuiColumn> {
public:
    // Some column shows the second or the third total (kinds 10, 11).
    bool HasKind10() const { return hasKind10_; }
    bool HasKind11() const { return hasKind11_; }
    void SetKinds(bool kind10, bool kind11) {
        hasKind10_ = kind10;
        hasKind11_ = kind11;
    }
    std::map<int, DrawPen>& Borders() { return borders_; }
    const std::map<int, DrawPen>& Borders() const { return borders_; }

    // Places the columns side by side and notes their right borders.
    void Layout(const ChartContext& chart);
    // The right of the last column: the width the columns take.
    int Right() const;
    // The visible column whose box holds x; null for none.
    CGuiColumn* ColumnAt(int x) const;
    // The nearest visible column before (step -1) or after (step 1) index;
    // -1 for none.
    int NearestVisible(int index, int step) const;

private:
    std::map<int, DrawPen> borders_;
    bool hasKind10_ = false;
    bool hasKind11_ = false;
};

}  // namespace qb
