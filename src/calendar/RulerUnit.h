#pragma once

namespace qb {

// The calendar unit a ruler row counts in; the numbers are those the project
// stores for its ruler rows.
enum RulerUnit : int {
    kRulerDay = 0,
    kRulerWeek = 1,
    kRulerTenDays = 2,
    kRulerMonth = 3,
    kRulerYear = 4,
    kRulerFiscalYear = 5,
};

constexpr int kRulerUnitCount = 6;

constexpr bool IsRulerUnit(int unit) {
    return unit >= 0 && unit < kRulerUnitCount;
}

// How many label formats a unit offers; 0 for a number that is no unit.
constexpr int RulerFormatCount(int unit) {
    constexpr int kCounts[kRulerUnitCount] = {3, 10, 6, 11, 5, 5};
    return IsRulerUnit(unit) ? kCounts[unit] : 0;
}

constexpr bool IsRulerFormat(int unit, int format) {
    return format >= 0 && format < RulerFormatCount(unit);
}

}  // namespace qb
