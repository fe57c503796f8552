#pragma once

#include "COleDateTime.h"

namespace qb {

// Where the cells of a ruler row begin: the first tick of a row for a given
// origin, and each tick's successor. Ticks are days at 00:00; a tick that
// would leave the calendar is not valid.
class RulerTicks {
public:
    // Day: the origin. Week: the Monday on or before it. Ten-day period: the
    // 1st, 11th or 21st by the origin's day / 10 (so an origin on the 10th
    // starts at the 11th). Month, year: its first day. Fiscal year: the
    // 1 April on or before it.
    static COleDateTime First(int unit, const COleDateTime& origin);
    static COleDateTime Next(int unit, const COleDateTime& tick);
    // 0, 1 or 2 for a tick on the 1st, 11th or 21st (上, 中, 下).
    static int TenDayPeriod(int dayOfMonth);
};

}  // namespace qb
