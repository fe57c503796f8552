// Day counts, field splitting and month lengths over the whole calendar are
// checked against independent references in DateOracle_test.cpp; this file
// covers the rules around them: statuses, rounding, negative days, limits.
#include "COleDateTime.h"

#include <gtest/gtest.h>

#include <climits>
#include <limits>
#include <vector>

namespace qb {
namespace {

struct Expected {
    int year, month, day, hour, minute, second;
};

void ExpectFields(const COleDateTime& value, const Expected& e) {
    COleDateTime::Fields f;
    ASSERT_TRUE(value.GetFields(f)) << value.GetDays();
    EXPECT_EQ(std::vector<int>({f.year, f.month, f.day, f.hour, f.minute, f.second}),
              std::vector<int>({e.year, e.month, e.day, e.hour, e.minute, e.second}))
        << value.GetDays();
}

COleDateTime At(double days) {
    return COleDateTime(days, COleDateTime::valid);
}

TEST(COleDateTime, ImpossibleFieldsGiveInvalidStatusAndZeroDays) {
    const Expected impossible[] = {
        {2017, 2, 29, 0, 0, 0},      {1900, 2, 29, 0, 0, 0},
        {2017, 4, 31, 0, 0, 0},      {2017, 1, 1, 24, 0, 0},
        {2017, 1, 1, 0, 60, 0},      {2017, 1, 1, 0, 0, 60},
        {2017, 0, 1, 0, 0, 0},       {2017, 13, 1, 0, 0, 0},
        {2017, 1, 0, 0, 0, 0},       {99, 12, 31, 0, 0, 0},
        {10000, 1, 1, 0, 0, 0},      {2017, 1, 1, -1, 0, 0},
        {INT_MAX, 1, 1, 0, 0, 0},    {2017, INT_MIN, 1, 0, 0, 0},
        {2017, 1, INT_MAX, 0, 0, 0}, {2017, 1, 1, INT_MAX, INT_MAX, INT_MAX},
    };
    for (const Expected& e : impossible) {
        COleDateTime value(e.year, e.month, e.day, e.hour, e.minute, e.second);
        EXPECT_EQ(value.GetStatus(), COleDateTime::invalid)
            << e.year << "-" << e.month << "-" << e.day << " " << e.hour;
        EXPECT_EQ(value.GetDays(), 0.0);
    }
    COleDateTime value = COleDateTime::Null();
    EXPECT_EQ(value.SetDateTime(2016, 2, 29, 23, 59, 59), COleDateTime::valid);
    EXPECT_EQ(value.SetDateTime(2017, 2, 29, 0, 0, 0), COleDateTime::invalid);
    EXPECT_EQ(value.GetDays(), 0.0);
    for (int month : {0, 13})
        EXPECT_EQ(COleDateTime::DaysInMonth(2017, month), 0);
    EXPECT_EQ(COleDateTime::DaysInMonth(10000, 1), 0);
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
    const auto answers = [](const COleDateTime& value) {
        return std::vector<int>{value.GetYear(),      value.GetMonth(),    value.GetDay(),
                                value.GetHour(),      value.GetMinute(),   value.GetSecond(),
                                value.GetDayOfWeek(), value.GetDayOfYear()};
    };
    for (const COleDateTime& value : noDate)
        EXPECT_EQ(answers(value), std::vector<int>(8, -1)) << value.GetDays();
    // A Friday, the 55th day; the value counts from 1899-12-30 with the time running forward.
    EXPECT_EQ(answers(COleDateTime(2017, 2, 24, 13, 5, 9)),
              (std::vector<int>{2017, 2, 24, 13, 5, 9, 6, 55}));
    EXPECT_EQ(COleDateTime().GetDays(), 0.0);
    EXPECT_TRUE(COleDateTime().IsValid());
    EXPECT_EQ(COleDateTime(1899, 12, 28, 18, 0, 0).GetDays(), -2.75);
}

// Below zero whole days count back while the time of day runs forward, so
// arithmetic and order go through a linear day count; the oracle checks the
// splitting and rounding of such values.
TEST(COleDateTime, ArithmeticAndOrderGoThroughTheLinearDayCount) {
    const std::pair<double, double> linear[] = {
        {-1.25, -0.75}, {-1.0, -1.0}, {-1.75, -0.25}, {2.5, 2.5}, {-657434.25, -657433.75}};
    for (const auto& [raw, line] : linear) {
        EXPECT_EQ(COleDateTime::ToLinear(raw), line) << raw;
        EXPECT_EQ(COleDateTime::FromLinear(line), raw) << raw;
    }
    EXPECT_EQ((At(-1.25) + COleDateTimeSpan(0.5)).GetDays(), -1.75);
    EXPECT_EQ((At(0.25) - COleDateTimeSpan(0.5)).GetDays(), -1.75);
    EXPECT_EQ((At(-1.75) - At(0.25)).GetTotalDays(), -0.5);
    COleDateTime value = At(-1.25);
    value += COleDateTimeSpan(0.5);
    value -= COleDateTimeSpan(1.0);
    ExpectFields(value, {1899, 12, 28, 18, 0, 0});
    // 06:00 comes before 18:00 of the same day although -1.25 > -1.75.
    EXPECT_TRUE(At(-1.25) < At(-1.75));
    EXPECT_TRUE(At(-1.75) > At(-1.25));
    EXPECT_TRUE(At(-1.25) <= At(-1.25));
    EXPECT_FALSE(At(3.0) < At(3.0));
    // Rounding to the second past the last day leaves the calendar.
    EXPECT_EQ(At(2958465.0 + 86399.4 / 86400).GetSecond(), 59);
    EXPECT_EQ(At(2958465.0 + 86399.6 / 86400).GetYear(), -1);
}

TEST(COleDateTime, EqualityAndArithmeticCarryTheStatus) {
    EXPECT_TRUE(COleDateTime::Null() == COleDateTime(5.0, COleDateTime::null));
    EXPECT_FALSE(COleDateTime::Invalid() == COleDateTime::Invalid());
    EXPECT_FALSE(COleDateTime::Null() == COleDateTime::Invalid());
    EXPECT_FALSE(COleDateTime() == COleDateTime::Null());
    EXPECT_TRUE(At(42790.5) == COleDateTime(2017, 2, 24, 12, 0, 0));
    EXPECT_FALSE(At(42790.5) == At(42790.25));

    const COleDateTime date(2017, 2, 24, 0, 0, 0);
    EXPECT_EQ((date + COleDateTimeSpan::Invalid()).GetStatus(), COleDateTime::invalid);
    EXPECT_EQ((date - COleDateTimeSpan::Invalid()).GetStatus(), COleDateTime::invalid);
    EXPECT_EQ((COleDateTime::Null() + COleDateTimeSpan(1.0)).GetStatus(), COleDateTime::null);
    EXPECT_EQ((COleDateTime::Invalid() + COleDateTimeSpan(1.0)).GetStatus(), COleDateTime::invalid);
    EXPECT_FALSE((date - COleDateTime::Null()).IsValid());
    EXPECT_FALSE((COleDateTime::Invalid() - date).IsValid());
    EXPECT_TRUE(COleDateTime::Null().AddDays(1).IsNull());
}

TEST(COleDateTime, ResultsOutsideTheCalendarYearsAreInvalid) {
    const COleDateTime last(9999, 12, 31, 0, 0, 0);
    const COleDateTime first(100, 1, 1, 0, 0, 0);
    EXPECT_TRUE((last + COleDateTimeSpan(0.5)).IsValid());
    EXPECT_EQ((last + COleDateTimeSpan(1.0)).GetStatus(), COleDateTime::invalid);
    EXPECT_EQ((last + COleDateTimeSpan(1.0)).GetDays(), 0.0);
    EXPECT_EQ((first - COleDateTimeSpan(0.5)).GetStatus(), COleDateTime::invalid);
    EXPECT_FALSE(first.AddDays(-1).IsValid());
    EXPECT_TRUE(first.AddDays(1).IsValid());
    // The widest difference a span can hold.
    const COleDateTimeSpan widest = COleDateTime(9999, 12, 29, 0, 0, 0) - first;
    EXPECT_EQ(widest.GetTotalDays(), 3615897.0);
    EXPECT_TRUE(widest.IsValid());
    EXPECT_FALSE((COleDateTime(9999, 12, 29, 0, 0, 1) - first).IsValid());
    EXPECT_FALSE((first - last).IsValid());
}

TEST(COleDateTime, DatePartRoundingUpAndAddDaysWorkOnEitherSideOfDayZero) {
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

    const COleDateTime start(1900, 1, 1, 6, 0, 0);
    EXPECT_EQ(start.AddDays(-3).GetDays(), -1.25);
    EXPECT_EQ(start.AddDays(-3).AddDays(3), start);
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
    // Without a date SetDate gives midnight and SetTime fails.
    value = COleDateTime::Null();
    EXPECT_EQ(value.SetDate(2017, 2, 24), COleDateTime::valid);
    ExpectFields(value, {2017, 2, 24, 0, 0, 0});
    value = COleDateTime::Null();
    EXPECT_EQ(value.SetTime(9, 30), COleDateTime::invalid);
}

// Months clamp the day to the month's length; years clamp 29 February and stay
// in 1900 to 2201. The result says whether the day was kept.
TEST(COleDateTime, StepMonthAndStepYearClampTheDayAndRefuseToLeaveTheirRange) {
    struct Step {
        bool year;
        Expected from;
        bool forward;
        bool result;
        Expected to;
    };
    const Step steps[] = {
        {false, {2017, 1, 31, 0, 0, 0}, true, false, {2017, 2, 28, 0, 0, 0}},
        {false, {2016, 1, 31, 0, 0, 0}, true, false, {2016, 2, 29, 0, 0, 0}},
        {false, {2017, 3, 31, 0, 0, 0}, false, false, {2017, 2, 28, 0, 0, 0}},
        {false, {2017, 4, 30, 10, 15, 0}, true, true, {2017, 5, 30, 10, 15, 0}},
        {false, {2017, 12, 31, 8, 0, 0}, true, true, {2018, 1, 31, 8, 0, 0}},
        {false, {1900, 1, 15, 0, 0, 0}, false, true, {1899, 12, 15, 0, 0, 0}},
        {false, {9999, 12, 31, 0, 0, 0}, true, false, {9999, 12, 31, 0, 0, 0}},
        {false, {100, 1, 1, 0, 0, 0}, false, false, {100, 1, 1, 0, 0, 0}},
        {true, {2016, 2, 29, 13, 5, 0}, true, true, {2017, 2, 28, 13, 5, 0}},
        {true, {2016, 2, 29, 0, 0, 0}, false, true, {2015, 2, 28, 0, 0, 0}},
        {true, {2015, 2, 28, 0, 0, 0}, true, true, {2016, 2, 28, 0, 0, 0}},
        {true, {2200, 6, 1, 0, 0, 0}, true, true, {2201, 6, 1, 0, 0, 0}},
        {true, {2201, 6, 1, 0, 0, 0}, true, false, {2201, 6, 1, 0, 0, 0}},
        {true, {1901, 6, 1, 0, 0, 0}, false, true, {1900, 6, 1, 0, 0, 0}},
        {true, {1900, 6, 1, 0, 0, 0}, false, false, {1900, 6, 1, 0, 0, 0}},
    };
    for (const Step& s : steps) {
        COleDateTime value(s.from.year, s.from.month, s.from.day, s.from.hour, s.from.minute, 0);
        const bool kept = s.year ? value.StepYear(s.forward) : value.StepMonth(s.forward);
        EXPECT_EQ(kept, s.result) << s.from.year << "-" << s.from.month << " year " << s.year;
        ExpectFields(value, s.to);
    }
    for (bool forward : {true, false}) {
        for (const COleDateTime& none : {COleDateTime::Null(), COleDateTime::Invalid()}) {
            COleDateTime month = none;
            COleDateTime year = none;
            EXPECT_FALSE(month.StepMonth(forward));
            EXPECT_FALSE(year.StepYear(forward));
            EXPECT_EQ(month.GetStatus(), none.GetStatus());
            EXPECT_EQ(year.GetStatus(), none.GetStatus());
        }
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
