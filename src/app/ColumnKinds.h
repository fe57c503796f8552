#pragma once

#include <string>

namespace qb {

// The kinds of column ("_Auto"): 0 free text typed per row, 1 to 11 values
// computed from the row's schedules and totals.
class ColumnKinds {
public:
    static constexpr int kCount = 12;
    static constexpr int kFreeText = 0;

    // The name the column dialog shows for a kind; empty outside 0..11.
    static const std::string& Name(int kind);
    static bool IsFreeText(int kind) { return kind == kFreeText; }
};

}  // namespace qb
