#include "COleDateTime.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>

namespace qb {
namespace {

struct Expected {
    int year, month, day, hour, minute, second;
};

void ExpectFields(const COleDateTime& value, const Expected& e) {
    COleDateTime::Fields f;
    ASSERT_TRUE(value.GetFields(f)) << value.GetDays();
    EXPECT_EQ(f.year, e.year);
    EXPECT_EQ(f.month, e.month);
    EXPECT_EQ(f.day, e.day);
    EXPECT_EQ(f.hour, e.hour);
    EXPECT_EQ(f.minute, e.minute);
    EXPECT_EQ(f.second, e.second);
}

COleDateTime At(double days) {
    return COleDateTime(days, COleDateTime::valid);
}

TEST(COleDateTime, BuildingFromFieldsCountsDaysFrom18991230) {
    EXPECT_EQ(COleDateTime().GetDays(), 0.0);
    EXPECT_TRUE(COleDateTime().IsValid());
    EXPECT_EQ(COleDateTime(1899, 12, 30, 0, 0, 0).GetDays(), 0.0);
    EXPECT_EQ(COleDateTime(1899, 12, 31, 0, 0, 0).GetDays(), 1.0);
    EXPECT_EQ(COleDateTime(1900, 1, 1, 0, 0, 0).GetDays(), 2.0);
    EXPECT_EQ(COleDateTime(2017, 2, 24, 0, 0, 0).GetDays(), 42790.0);
    EXPECT_EQ(COleDateTime(2017, 2, 24, 18, 0, 0).GetDays(), 42790.75);
    EXPECT_EQ(COleDateTime(1899, 12, 29, 6, 0, 0).GetDays(), -1.25);
    EXPECT_EQ(COleDateTime(100, 1, 1, 0, 0, 0).GetDays(), -657434.0);
    EXPECT_EQ(COleDateTime(9999, 12, 31, 0, 0, 0).GetDays(), 2958465.0);
}

TEST(COleDateTime, ImpossibleFieldsGiveInvalidStatusAndZeroDays) {
    const Expected impossible[] = {
        {2017, 2, 29, 0, 0, 0},
        {2017, 2, 30, 0, 0, 0},
        {1900, 2, 29, 0, 0, 0},
        {2017, 4, 31, 0, 0, 0},
        {2017, 1, 1, 24, 0, 0},
        {2017, 1, 1, 0, 60, 0},
        {2017, 1, 1, 0, 0, 60},
        {2017, 0, 1, 0, 0, 0},
        {2017, 13, 1, 0, 0, 0},
        {2017, 1, 0, 0, 0, 0},
        {2017, 1, 32, 0, 0, 0},
        {99, 12, 31, 0, 0, 0},
        {10000, 1, 1, 0, 0, 0},
        {2017, 1, 1, -1, 0, 0},
        {-1, -1, -1, -1, -1, -1},
        {INT_MAX, 1, 1, 0, 0, 0},
        {2017, INT_MIN, 1, 0, 0, 0},
        {2017, 1, INT_MAX, 0, 0, 0},
        {2017, 1, 1, INT_MAX, INT_MAX, INT_MAX},
    };
    for (const Expected& e : impossible) {
        COleDateTime value(e.year, e.month, e.day, e.hour, e.minute, e.second);
        EXPECT_EQ(value.GetStatus(), COleDateTime::invalid)
            << e.year << "-" << e.month << "-" << e.day << " " << e.hour;
        EXPECT_EQ(value.GetDays(), 0.0);
    }
}

TEST(COleDateTime, SetDateTimeReportsAndReplacesTheStatus) {
    COleDateTime value = COleDateTime::Null();
    EXPECT_EQ(value.SetDateTime(2016, 2, 29, 23, 59, 59), COleDateTime::valid);
    ExpectFields(value, {2016, 2, 29, 23, 59, 59});
    EXPECT_EQ(value.SetDateTime(2017, 2, 29, 0, 0, 0), COleDateTime::invalid);
    EXPECT_EQ(value.GetDays(), 0.0);
    EXPECT_FALSE(value.IsValid());
}

TEST(COleDateTime, FieldQueriesOnValuesWithoutADateAnswerMinusOne) {
    const COleDateTime noDate[] = {
        COleDateTime::Null(),
        COleDateTime::Invalid(),
        COleDateTime(42790.0, COleDateTime::null),
        At(1e12),
        At(-1e12),
        At(2958466.0),
        At(-657435.0),
        At(std::numeric_limits<double>::quiet_NaN()),
        At(std::numeric_limits<double>::infinity()),
    };
    for (const COleDateTime& value : noDate) {
        EXPECT_EQ(value.GetYear(), -1) << value.GetDays();
        EXPECT_EQ(value.GetMonth(), -1);
        EXPECT_EQ(value.GetDay(), -1);
        EXPECT_EQ(value.GetHour(), -1);
        EXPECT_EQ(value.GetMinute(), -1);
        EXPECT_EQ(value.GetSecond(), -1);
        EXPECT_EQ(value.GetDayOfWeek(), -1);
        EXPECT_EQ(value.GetDayOfYear(), -1);
    }
}

TEST(COleDateTime, FieldQueriesOfAValidValue) {
    const COleDateTime value(2017, 2, 24, 13, 5, 9);
    EXPECT_EQ(value.GetYear(), 2017);
    EXPECT_EQ(value.GetMonth(), 2);
    EXPECT_EQ(value.GetDay(), 24);
    EXPECT_EQ(value.GetHour(), 13);
    EXPECT_EQ(value.GetMinute(), 5);
    EXPECT_EQ(value.GetSecond(), 9);
    EXPECT_EQ(value.GetDayOfWeek(), 6);  // Friday
    EXPECT_EQ(value.GetDayOfYear(), 55);
    EXPECT_EQ(COleDateTime(2016, 12, 31, 0, 0, 0).GetDayOfYear(), 366);
    EXPECT_EQ(COleDateTime(1899, 12, 30, 0, 0, 0).GetDayOfWeek(), 7);
    EXPECT_EQ(COleDateTime(1899, 12, 29, 0, 0, 0).GetDayOfWeek(), 6);
}

TEST(COleDateTime, TimeIsRoundedToTheNearestSecondWhenSplit) {
    ExpectFields(At(0.99999999), {1899, 12, 31, 0, 0, 0});
    ExpectFields(At(0.4 / 86400), {1899, 12, 30, 0, 0, 0});
    ExpectFields(At(0.6 / 86400), {1899, 12, 30, 0, 0, 1});
    ExpectFields(At(36525.0 + 86399.6 / 86400), {2000, 1, 1, 0, 0, 0});
    EXPECT_EQ(At(36525.0 + 86399.6 / 86400).GetDayOfYear(), 1);
    EXPECT_EQ(At(36525.0 + 86399.6 / 86400).GetDayOfWeek(), 7);
    ExpectFields(At(42790.0 + (13 * 3600 + 59 * 60 + 59.7) / 86400), {2017, 2, 24, 14, 0, 0});
    // Below zero the fraction still runs forward, so it rounds into the next day too.
    ExpectFields(At(-1.99999999), {1899, 12, 30, 0, 0, 0});
    ExpectFields(At(-2.99999999), {1899, 12, 29, 0, 0, 0});
}

TEST(COleDateTime, RoundingPastTheLastDayLeavesTheCalendar) {
    EXPECT_EQ(At(2958465.0 + 86399.4 / 86400).GetSecond(), 59);
    EXPECT_EQ(At(2958465.0 + 86399.6 / 86400).GetYear(), -1);
}

TEST(COleDateTime, NegativeValuesCountDaysBackAndTimeForward) {
    ExpectFields(At(-1.25), {1899, 12, 29, 6, 0, 0});
    ExpectFields(At(-1.75), {1899, 12, 29, 18, 0, 0});
    ExpectFields(At(-2.5), {1899, 12, 28, 12, 0, 0});
    // Between -1 and 0 the integer part is day 0.
    ExpectFields(At(-0.25), {1899, 12, 30, 6, 0, 0});
    EXPECT_EQ(COleDateTime(1899, 12, 28, 18, 0, 0).GetDays(), -2.75);
}

TEST(COleDateTime, LinearDayCountRoundTrips) {
    EXPECT_EQ(COleDateTime::ToLinear(-1.25), -0.75);
    EXPECT_EQ(COleDateTime::FromLinear(-0.75), -1.25);
    EXPECT_EQ(COleDateTime::ToLinear(-1.0), -1.0);
    EXPECT_EQ(COleDateTime::FromLinear(-1.0), -1.0);
    EXPECT_EQ(COleDateTime::FromLinear(-0.25), -1.75);
    EXPECT_EQ(COleDateTime::ToLinear(2.5), 2.5);
    for (double raw : {-3.5, -2.125, -10.0, -657434.25, 12.75}) {
        EXPECT_EQ(COleDateTime::FromLinear(COleDateTime::ToLinear(raw)), raw);
    }
}

TEST(COleDateTime, ArithmeticGoesThroughTheLinearDayCount) {
    EXPECT_EQ((At(-1.25) + COleDateTimeSpan(0.5)).GetDays(), -1.75);
    EXPECT_EQ((At(-1.75) - COleDateTimeSpan(0.5)).GetDays(), -1.25);
    EXPECT_EQ((At(0.25) - COleDateTimeSpan(0.5)).GetDays(), -1.75);
    EXPECT_EQ((At(-1.75) + COleDateTimeSpan(2.0)).GetDays(), 1.75);
    EXPECT_EQ((At(1.0) - COleDateTimeSpan(2.0)).GetDays(), -1.0);
    EXPECT_EQ((At(-1.75) - At(0.25)).GetTotalDays(), -0.5);
    EXPECT_EQ((At(2.5) - At(-1.25)).GetTotalDays(), 3.25);
    COleDateTime value = At(-1.25);
    value += COleDateTimeSpan(0.5);
    EXPECT_EQ(value.GetDays(), -1.75);
    value -= COleDateTimeSpan(1.0);
    ExpectFields(value, {1899, 12, 28, 18, 0, 0});
}

TEST(COleDateTime, OrderingComparesTheLinearDayCount) {
    // 06:00 comes before 18:00 of the same day although -1.25 > -1.75.
    EXPECT_TRUE(At(-1.25) < At(-1.75));
    EXPECT_TRUE(At(-1.75) > At(-1.25));
    EXPECT_TRUE(At(-1.75) < At(0.0));
    EXPECT_TRUE(At(-2.0) < At(-1.25));
    EXPECT_TRUE(At(-1.25) <= At(-1.25));
    EXPECT_TRUE(At(3.0) >= At(2.5));
    EXPECT_FALSE(At(3.0) < At(3.0));
}

TEST(COleDateTime, EqualityNeedsEqualStatusAndOnlyNullsEqualAmongValuesWithoutADate) {
    EXPECT_TRUE(COleDateTime::Null() == COleDateTime(5.0, COleDateTime::null));
    EXPECT_FALSE(COleDateTime::Invalid() == COleDateTime::Invalid());
    EXPECT_FALSE(COleDateTime::Null() == COleDateTime::Invalid());
    EXPECT_FALSE(COleDateTime() == COleDateTime::Null());
    EXPECT_TRUE(At(42790.5) == COleDateTime(2017, 2, 24, 12, 0, 0));
    EXPECT_FALSE(At(42790.5) == At(42790.25));
}

TEST(COleDateTime, ArithmeticWithoutAValidOperandCarriesItsStatus) {
    const COleDateTime date(2017, 2, 24, 0, 0, 0);
    EXPECT_EQ((date + COleDateTimeSpan::Invalid()).GetStatus(), COleDateTime::invalid);
    EXPECT_EQ((date - COleDateTimeSpan::Invalid()).GetStatus(), COleDateTime::invalid);
    EXPECT_EQ((COleDateTime::Null() + COleDateTimeSpan(1.0)).GetStatus(), COleDateTime::null);
    EXPECT_EQ((COleDateTime::Invalid() + COleDateTimeSpan(1.0)).GetStatus(), COleDateTime::invalid);
    EXPECT_FALSE((date - COleDateTime::Null()).IsValid());
    EXPECT_FALSE((COleDateTime::Invalid() - date).IsValid());
    EXPECT_FALSE(COleDateTime::Null().AddDays(1).IsValid());
    EXPECT_TRUE(COleDateTime::Null().AddDays(1).IsNull());
}

TEST(COleDateTime, ResultsOutsideTheCalendarYearsAreInvalid) {
    const COleDateTime last(9999, 12, 31, 0, 0, 0);
    const COleDateTime first(100, 1, 1, 0, 0, 0);
    EXPECT_TRUE((last + COleDateTimeSpan(0.5)).IsValid());
    EXPECT_EQ((last + COleDateTimeSpan(1.0)).GetStatus(), COleDateTime::invalid);
    EXPECT_EQ((last + COleDateTimeSpan(1.0)).GetDays(), 0.0);
    EXPECT_EQ((first - COleDateTimeSpan(0.5)).GetStatus(), COleDateTime::invalid);
    EXPECT_FALSE(last.AddDays(1).IsValid());
    EXPECT_FALSE(first.AddDays(-1).IsValid());
    EXPECT_TRUE(first.AddDays(1).IsValid());
}

TEST(COleDateTime, DifferenceBeyondTheSpanLimitIsInvalid) {
    const COleDateTime first(100, 1, 1, 0, 0, 0);
    const COleDateTimeSpan widest = COleDateTime(9999, 12, 29, 0, 0, 0) - first;
    EXPECT_TRUE(widest.IsValid());
    EXPECT_EQ(widest.GetTotalDays(), 3615897.0);
    EXPECT_FALSE((COleDateTime(9999, 12, 29, 0, 0, 1) - first).IsValid());
    EXPECT_FALSE((COleDateTime(9999, 12, 31, 0, 0, 0) - first).IsValid());
    EXPECT_FALSE((first - COleDateTime(9999, 12, 31, 0, 0, 0)).IsValid());
}

TEST(COleDateTime, DatePartAndRoundingUpToTheNextDay) {
    const COleDateTime afternoon(2017, 2, 28, 13, 5, 0);
    EXPECT_EQ(afternoon.DatePart(), COleDateTime(2017, 2, 28, 0, 0, 0));
    EXPECT_EQ(afternoon.RoundUpToNextDay(), COleDateTime(2017, 3, 1, 0, 0, 0));
    EXPECT_EQ(COleDateTime(2017, 2, 28, 0, 0, 1).RoundUpToNextDay(),
              COleDateTime(2017, 3, 1, 0, 0, 0));
    const COleDateTime midnight(2017, 12, 31, 0, 0, 0);
    EXPECT_EQ(midnight.RoundUpToNextDay(), midnight);
    EXPECT_EQ(At(-1.25).DatePart().GetDays(), -1.0);
    EXPECT_EQ(At(-1.25).RoundUpToNextDay().GetDays(), 0.0);
    EXPECT_TRUE(COleDateTime::Null().DatePart().IsNull());
    EXPECT_TRUE(COleDateTime::Null().RoundUpToNextDay().IsNull());
    EXPECT_FALSE(At(1e12).DatePart().IsValid());
}

TEST(COleDateTime, AddDaysKeepsTheTimeOfDayAcrossDayZero) {
    const COleDateTime start(1900, 1, 1, 6, 0, 0);
    EXPECT_EQ(start.AddDays(-3).GetDays(), -1.25);
    EXPECT_EQ(start.AddDays(-3).AddDays(3), start);
    ExpectFields(COleDateTime(2016, 2, 28, 23, 59, 59).AddDays(1), {2016, 2, 29, 23, 59, 59});
    ExpectFields(COleDateTime(2017, 3, 1, 8, 30, 0).AddDays(-365), {2016, 3, 1, 8, 30, 0});
}

TEST(COleDateTime, SetTimeKeepsTheDateAndSetDateKeepsTheTime) {
    COleDateTime value(2017, 2, 24, 13, 5, 9);
    EXPECT_EQ(value.SetTime(9, 30), COleDateTime::valid);
    ExpectFields(value, {2017, 2, 24, 9, 30, 0});
    value = COleDateTime(2017, 2, 24, 13, 5, 9);
    EXPECT_EQ(value.SetDate(2016, 2, 29), COleDateTime::valid);
    ExpectFields(value, {2016, 2, 29, 13, 5, 0});
    EXPECT_EQ(value.SetDate(2017, 2, 29), COleDateTime::invalid);
    value = COleDateTime(2017, 2, 24, 0, 0, 0);
    EXPECT_EQ(value.SetTime(24, 0), COleDateTime::invalid);
}

TEST(COleDateTime, SetDateOnAValueWithoutADateGivesMidnight) {
    COleDateTime value = COleDateTime::Null();
    EXPECT_EQ(value.SetDate(2017, 2, 24), COleDateTime::valid);
    ExpectFields(value, {2017, 2, 24, 0, 0, 0});
    value = COleDateTime::Null();
    EXPECT_EQ(value.SetTime(9, 30), COleDateTime::invalid);
}

TEST(COleDateTime, DaysInMonth) {
    EXPECT_EQ(COleDateTime::DaysInMonth(2000, 2), 29);
    EXPECT_EQ(COleDateTime::DaysInMonth(1900, 2), 28);
    EXPECT_EQ(COleDateTime::DaysInMonth(2100, 2), 28);
    EXPECT_EQ(COleDateTime::DaysInMonth(2016, 2), 29);
    EXPECT_EQ(COleDateTime::DaysInMonth(2017, 2), 28);
    EXPECT_EQ(COleDateTime::DaysInMonth(2017, 4), 30);
    EXPECT_EQ(COleDateTime::DaysInMonth(2017, 12), 31);
    EXPECT_EQ(COleDateTime::DaysInMonth(9999, 12), 31);
    EXPECT_EQ(COleDateTime::DaysInMonth(2017, 0), 0);
    EXPECT_EQ(COleDateTime::DaysInMonth(2017, 13), 0);
    EXPECT_EQ(COleDateTime::DaysInMonth(10000, 1), 0);
}

TEST(COleDateTime, StepMonthClampsTheDayAndReportsWhetherItWasKept) {
    COleDateTime value(2017, 1, 31, 0, 0, 0);
    EXPECT_FALSE(value.StepMonth(true));
    EXPECT_EQ(value, COleDateTime(2017, 2, 28, 0, 0, 0));
    value = COleDateTime(2016, 1, 31, 0, 0, 0);
    EXPECT_FALSE(value.StepMonth(true));
    EXPECT_EQ(value, COleDateTime(2016, 2, 29, 0, 0, 0));
    value = COleDateTime(2017, 3, 31, 0, 0, 0);
    EXPECT_FALSE(value.StepMonth(false));
    EXPECT_EQ(value, COleDateTime(2017, 2, 28, 0, 0, 0));
    value = COleDateTime(2017, 4, 30, 10, 15, 0);
    EXPECT_TRUE(value.StepMonth(true));
    EXPECT_EQ(value, COleDateTime(2017, 5, 30, 10, 15, 0));
    value = COleDateTime(2017, 2, 28, 0, 0, 0);
    EXPECT_TRUE(value.StepMonth(true));
    EXPECT_EQ(value, COleDateTime(2017, 3, 28, 0, 0, 0));
}

TEST(COleDateTime, StepMonthAcrossTheYearKeepsTheDay) {
    COleDateTime value(2017, 12, 31, 8, 0, 0);
    EXPECT_TRUE(value.StepMonth(true));
    EXPECT_EQ(value, COleDateTime(2018, 1, 31, 8, 0, 0));
    EXPECT_TRUE(value.StepMonth(false));
    EXPECT_EQ(value, COleDateTime(2017, 12, 31, 8, 0, 0));
    value = COleDateTime(1900, 1, 15, 0, 0, 0);
    EXPECT_TRUE(value.StepMonth(false));
    EXPECT_EQ(value, COleDateTime(1899, 12, 15, 0, 0, 0));
}

TEST(COleDateTime, StepMonthOutOfTheCalendarOrWithoutADateIsRefused) {
    COleDateTime value(9999, 12, 31, 0, 0, 0);
    EXPECT_FALSE(value.StepMonth(true));
    EXPECT_EQ(value, COleDateTime(9999, 12, 31, 0, 0, 0));
    value = COleDateTime(100, 1, 1, 0, 0, 0);
    EXPECT_FALSE(value.StepMonth(false));
    EXPECT_EQ(value, COleDateTime(100, 1, 1, 0, 0, 0));
    value = COleDateTime::Null();
    EXPECT_FALSE(value.StepMonth(true));
    EXPECT_TRUE(value.IsNull());
}

TEST(COleDateTime, StepYearClampsTheTwentyNinthOfFebruary) {
    COleDateTime value(2016, 2, 29, 13, 5, 0);
    EXPECT_TRUE(value.StepYear(true));
    EXPECT_EQ(value, COleDateTime(2017, 2, 28, 13, 5, 0));
    value = COleDateTime(2016, 2, 29, 0, 0, 0);
    EXPECT_TRUE(value.StepYear(false));
    EXPECT_EQ(value, COleDateTime(2015, 2, 28, 0, 0, 0));
    value = COleDateTime(2015, 2, 28, 0, 0, 0);
    EXPECT_TRUE(value.StepYear(true));
    EXPECT_EQ(value, COleDateTime(2016, 2, 28, 0, 0, 0));
}

TEST(COleDateTime, StepYearIsRefusedOutside1901To2200) {
    COleDateTime value(2200, 6, 1, 0, 0, 0);
    EXPECT_TRUE(value.StepYear(true));
    EXPECT_EQ(value.GetYear(), 2201);
    EXPECT_FALSE(value.StepYear(true));
    EXPECT_EQ(value, COleDateTime(2201, 6, 1, 0, 0, 0));
    value = COleDateTime(1901, 6, 1, 0, 0, 0);
    EXPECT_TRUE(value.StepYear(false));
    EXPECT_FALSE(value.StepYear(false));
    EXPECT_EQ(value, COleDateTime(1900, 6, 1, 0, 0, 0));
    for (bool forward : {true, false}) {
        value = COleDateTime::Null();
        EXPECT_FALSE(value.StepYear(forward));
        EXPECT_TRUE(value.IsNull());
        value = COleDateTime::Invalid();
        EXPECT_FALSE(value.StepYear(forward));
        EXPECT_EQ(value.GetStatus(), COleDateTime::invalid);
    }
}

TEST(COleDateTime, CurrentTimeIsAValidWholeSecond) {
    const COleDateTime now = COleDateTime::GetCurrentTime();
    ASSERT_TRUE(now.IsValid());
    EXPECT_GE(now.GetYear(), 2020);
    EXPECT_EQ(COleDateTime(now.GetYear(), now.GetMonth(), now.GetDay(), now.GetHour(),
                           now.GetMinute(), now.GetSecond()),
              now);
}

}  // namespace
}  // namespace qb
