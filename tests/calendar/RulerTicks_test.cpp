#include "RulerTicks.h"

#include <gtest/gtest.h>

#include "RulerUnit.h"

namespace qb {
namespace {

COleDateTime Date(int year, int month, int day) {
    return COleDateTime(year, month, day, 0, 0, 0);
}

TEST(RulerTicks, DayRowsStartOnTheOriginDay) {
    EXPECT_EQ(RulerTicks::First(kRulerDay, COleDateTime(2017, 2, 24, 13, 0, 0)), Date(2017, 2, 24));
    EXPECT_EQ(RulerTicks::Next(kRulerDay, Date(2017, 2, 28)), Date(2017, 3, 1));
}

TEST(RulerTicks, WeekRowsStartOnTheMondayOnOrBeforeTheOrigin) {
    EXPECT_EQ(RulerTicks::First(kRulerWeek, Date(2017, 2, 20)), Date(2017, 2, 20));  // Monday
    EXPECT_EQ(RulerTicks::First(kRulerWeek, Date(2017, 2, 25)), Date(2017, 2, 20));  // Saturday
    EXPECT_EQ(RulerTicks::First(kRulerWeek, Date(2017, 2, 26)), Date(2017, 2, 20));  // Sunday
    EXPECT_EQ(RulerTicks::First(kRulerWeek, Date(2017, 1, 1)), Date(2016, 12, 26));
    EXPECT_EQ(RulerTicks::Next(kRulerWeek, Date(2016, 12, 26)), Date(2017, 1, 2));
}

TEST(RulerTicks, TenDayRowsStartByTheOriginsDayDividedByTen) {
    EXPECT_EQ(RulerTicks::First(kRulerTenDays, Date(2017, 8, 1)), Date(2017, 8, 1));
    EXPECT_EQ(RulerTicks::First(kRulerTenDays, Date(2017, 8, 9)), Date(2017, 8, 1));
    // The 10th and 20th already count to the next period.
    EXPECT_EQ(RulerTicks::First(kRulerTenDays, Date(2017, 8, 10)), Date(2017, 8, 11));
    EXPECT_EQ(RulerTicks::First(kRulerTenDays, Date(2017, 8, 19)), Date(2017, 8, 11));
    EXPECT_EQ(RulerTicks::First(kRulerTenDays, Date(2017, 8, 20)), Date(2017, 8, 21));
    EXPECT_EQ(RulerTicks::First(kRulerTenDays, Date(2017, 8, 30)), Date(2017, 8, 21));
    EXPECT_EQ(RulerTicks::First(kRulerTenDays, Date(2017, 8, 31)), Date(2017, 8, 21));
}

TEST(RulerTicks, TenDayPeriodsEndWithTheMonth) {
    EXPECT_EQ(RulerTicks::Next(kRulerTenDays, Date(2017, 2, 1)), Date(2017, 2, 11));
    EXPECT_EQ(RulerTicks::Next(kRulerTenDays, Date(2017, 2, 11)), Date(2017, 2, 21));
    EXPECT_EQ(RulerTicks::Next(kRulerTenDays, Date(2017, 2, 21)), Date(2017, 3, 1));
    EXPECT_EQ(RulerTicks::Next(kRulerTenDays, Date(2017, 12, 21)), Date(2018, 1, 1));
    EXPECT_EQ(RulerTicks::TenDayPeriod(1), 0);
    EXPECT_EQ(RulerTicks::TenDayPeriod(11), 1);
    EXPECT_EQ(RulerTicks::TenDayPeriod(21), 2);
    EXPECT_EQ(RulerTicks::TenDayPeriod(31), 2);
}

TEST(RulerTicks, MonthAndYearRowsStartOnTheFirstDay) {
    EXPECT_EQ(RulerTicks::First(kRulerMonth, Date(2017, 2, 24)), Date(2017, 2, 1));
    EXPECT_EQ(RulerTicks::Next(kRulerMonth, Date(2017, 12, 1)), Date(2018, 1, 1));
    EXPECT_EQ(RulerTicks::First(kRulerYear, Date(2017, 2, 24)), Date(2017, 1, 1));
    EXPECT_EQ(RulerTicks::Next(kRulerYear, Date(2016, 1, 1)), Date(2017, 1, 1));
}

TEST(RulerTicks, FiscalYearsStartOnTheFirstOfAprilOnOrBeforeTheOrigin) {
    EXPECT_EQ(RulerTicks::First(kRulerFiscalYear, Date(2017, 4, 1)), Date(2017, 4, 1));
    EXPECT_EQ(RulerTicks::First(kRulerFiscalYear, Date(2017, 12, 31)), Date(2017, 4, 1));
    EXPECT_EQ(RulerTicks::First(kRulerFiscalYear, Date(2017, 3, 31)), Date(2016, 4, 1));
    EXPECT_EQ(RulerTicks::Next(kRulerFiscalYear, Date(2016, 4, 1)), Date(2017, 4, 1));
}

TEST(RulerTicks, TicksBeyondTheCalendarAreNotValid) {
    EXPECT_FALSE(RulerTicks::Next(kRulerYear, Date(9999, 1, 1)).IsValid());
    EXPECT_FALSE(RulerTicks::Next(kRulerMonth, Date(9999, 12, 1)).IsValid());
    EXPECT_FALSE(RulerTicks::First(kRulerFiscalYear, Date(100, 2, 1)).IsValid());
    EXPECT_FALSE(RulerTicks::First(kRulerWeek, COleDateTime::Invalid()).IsValid());
}

}  // namespace
}  // namespace qb
