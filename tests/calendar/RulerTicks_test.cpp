#include "RulerTicks.h"

#include <gtest/gtest.h>

#include "RulerUnit.h"

namespace qb {
namespace {

COleDateTime Date(int year, int month, int day) {
    return COleDateTime(year, month, day, 0, 0, 0);
}

// Where a row of each unit starts for an origin, and the tick after a tick.
TEST(RulerTicks, RowsStartOnTheUnitsFirstDayOnOrBeforeTheOrigin) {
    struct Case {
        int unit;
        COleDateTime origin, first;
    };
    const Case firsts[] = {
        {kRulerDay, COleDateTime(2017, 2, 24, 13, 0, 0), Date(2017, 2, 24)},
        {kRulerWeek, Date(2017, 2, 20), Date(2017, 2, 20)},  // Monday
        {kRulerWeek, Date(2017, 2, 26), Date(2017, 2, 20)},  // Sunday
        {kRulerWeek, Date(2017, 1, 1), Date(2016, 12, 26)},
        {kRulerTenDays, Date(2017, 8, 9), Date(2017, 8, 1)},
        // The 10th and 20th already count to the next period.
        {kRulerTenDays, Date(2017, 8, 10), Date(2017, 8, 11)},
        {kRulerTenDays, Date(2017, 8, 19), Date(2017, 8, 11)},
        {kRulerTenDays, Date(2017, 8, 20), Date(2017, 8, 21)},
        {kRulerTenDays, Date(2017, 8, 31), Date(2017, 8, 21)},
        {kRulerMonth, Date(2017, 2, 24), Date(2017, 2, 1)},
        {kRulerYear, Date(2017, 2, 24), Date(2017, 1, 1)},
        {kRulerFiscalYear, Date(2017, 4, 1), Date(2017, 4, 1)},
        {kRulerFiscalYear, Date(2017, 3, 31), Date(2016, 4, 1)},
    };
    for (const Case& c : firsts)
        EXPECT_EQ(RulerTicks::First(c.unit, c.origin), c.first)
            << c.unit << " " << c.origin.GetDay();
    const Case nexts[] = {
        {kRulerDay, Date(2017, 2, 28), Date(2017, 3, 1)},
        {kRulerWeek, Date(2016, 12, 26), Date(2017, 1, 2)},
        {kRulerTenDays, Date(2017, 2, 11), Date(2017, 2, 21)},
        {kRulerTenDays, Date(2017, 2, 21), Date(2017, 3, 1)},
        {kRulerTenDays, Date(2017, 12, 21), Date(2018, 1, 1)},
        {kRulerMonth, Date(2017, 12, 1), Date(2018, 1, 1)},
        {kRulerFiscalYear, Date(2016, 4, 1), Date(2017, 4, 1)},
    };
    for (const Case& c : nexts)
        EXPECT_EQ(RulerTicks::Next(c.unit, c.origin), c.first)
            << c.unit << " " << c.origin.GetDay();
    EXPECT_EQ(RulerTicks::TenDayPeriod(11), 1);
    EXPECT_EQ(RulerTicks::TenDayPeriod(31), 2);
}

TEST(RulerTicks, TicksBeyondTheCalendarAreNotValid) {
    EXPECT_FALSE(RulerTicks::Next(kRulerYear, Date(9999, 1, 1)).IsValid());
    EXPECT_FALSE(RulerTicks::Next(kRulerMonth, Date(9999, 12, 1)).IsValid());
    EXPECT_FALSE(RulerTicks::First(kRulerFiscalYear, Date(100, 2, 1)).IsValid());
    EXPECT_FALSE(RulerTicks::First(kRulerWeek, COleDateTime::Invalid()).IsValid());
}

}  // namespace
}  // namespace qb
