#pragma once

#include "RulerUnit.h"

namespace qb {

class CProject;

// The units and label formats of a ruler's two bands.
struct RulerBands {
    int upperUnit = kRulerMonth;
    int upperFormat = 0;
    int lowerUnit = kRulerDay;
    int lowerFormat = 0;

    // What ruler setting 1..3 (day, month, year charts) of the project shows.
    // A project that never chose its rulers stores zeros, and gets the months
    // over the days of the day chart, the years over the months of the month
    // and year charts (the upper band never counts days).
    static RulerBands OfProject(const CProject& project, int setting);
    // Writes all four values into the project's ruler setting.
    void StoreIn(CProject& project, int setting) const;

    bool operator==(const RulerBands&) const = default;
};

}  // namespace qb
