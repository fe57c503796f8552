#pragma once

#include "COleDateTime.h"

namespace qb {

// The numbers of the week rows of the ruler, for the week that starts on the
// given Monday.
class WeekNumber {
public:
    // Week 1 is the week whose Monday falls on 2..8 January; a week whose
    // Monday is 1 January is the last week (52 or 53) of the year before.
    static int Calendar(const COleDateTime& monday);
    // Counted from April: week 1 is the week whose Monday falls on 2..8 April;
    // a week whose Monday is 1 April is the last week of the fiscal year before.
    static int Fiscal(const COleDateTime& monday);
};

}  // namespace qb
