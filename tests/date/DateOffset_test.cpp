#include "DateOffset.h"

#include <gtest/gtest.h>

#include <climits>

namespace qb {
namespace {

const COleDateTime kDay(2017, 2, 28, 0, 0, 0);

using At = DateOffset;

// A stored offset outside the day is brought into it as well; a negative
// offset of whole days gives the day before with offset 0.
TEST(DateOffset, AddingCarriesWholeDaysIntoTheDateAndKeepsTheOffsetInTheDay) {
    struct Case {
        int offset;
        double spanDays;
        int delta;
        int expectedDays;  // from kDay
        int expectedOffset;
    };
    const Case cases[] = {
        {9999, 0, 1, 1, 0},          {0, 0, -1, -1, 9999},        {5000, 0, 20000, 2, 5000},
        {5000, 0, -30000, -3, 5000}, {5000, 0, -5001, -1, 9999},  {0, 0, -10000, -1, 0},
        {0, 0, -20000, -2, 0},       {9999, 0, -10000, -1, 9999}, {7500, 3, 5000, 4, 2500},
        {0, -7, -2500, -8, 7500},    {1234, 0, 0, 0, 1234},       {-10001, 0, 0, -2, 9999},
    };
    for (const Case& c : cases) {
        DateOffset position = At(kDay, c.offset);
        position.Add(COleDateTimeSpan(c.spanDays), c.delta);
        EXPECT_EQ(position, At(kDay.AddDays(c.expectedDays), c.expectedOffset))
            << c.offset << " + " << c.spanDays << " days + " << c.delta;
        // Normalising a stored offset is the same carry.
        DateOffset stored = At(kDay.AddDays(static_cast<int>(c.spanDays)), c.offset + c.delta);
        stored.Normalise();
        EXPECT_EQ(stored, position) << c.offset << " + " << c.delta << " stored";
    }
}

TEST(DateOffset, ExtremeOffsetsDoNotOverflow) {
    DateOffset position = At(kDay, INT_MAX);
    position.Add(COleDateTimeSpan(), INT_MAX);
    EXPECT_EQ(position.offset, static_cast<int>((2LL * INT_MAX) % 10000));
    EXPECT_EQ(position.date, kDay.AddDays(static_cast<int>((2LL * INT_MAX) / 10000)));
    position = At(kDay, INT_MIN);
    position.Add(COleDateTimeSpan(), INT_MIN);
    EXPECT_GE(position.offset, 0);
    EXPECT_LT(position.offset, 10000);
}

TEST(DateOffset, DaysAreCountedAcrossDayZero) {
    DateOffset position = At(COleDateTime(1899, 12, 31, 0, 0, 0), 0);
    position.Add(COleDateTimeSpan(), -1);
    EXPECT_EQ(position, At(COleDateTime(1899, 12, 30, 0, 0, 0), 9999));
    position.Add(COleDateTimeSpan(-2.0), -10000);
    EXPECT_EQ(position.date.GetDays(), -3.0);
    EXPECT_EQ(position.offset, 9999);
}

TEST(DateOffset, OrderIsByDateThenOffset) {
    EXPECT_TRUE(At(kDay, 9999) < At(kDay.AddDays(1), 0));
    EXPECT_TRUE(At(kDay, 1) < At(kDay, 2));
    EXPECT_FALSE(At(kDay, 2) < At(kDay, 2));
    EXPECT_FALSE(At(kDay.AddDays(1), 0) < At(kDay, 9999));
    // Before day zero the later day has the larger linear day count.
    EXPECT_TRUE(At(COleDateTime(1899, 12, 28, 0, 0, 0), 5000) <
                At(COleDateTime(1899, 12, 29, 0, 0, 0), 0));
    EXPECT_TRUE(At(kDay, 5) != At(kDay, 6));
    EXPECT_FALSE(At(kDay, 5) == At(kDay.AddDays(1), 5));
}

TEST(DateOffset, AsOneValueTheOffsetIsTheTimeOfDayAndADateWithoutAValueStaysSo) {
    DateOffset position = At(COleDateTime::Null(), 12000);
    position.Add(COleDateTimeSpan(1.0), 0);
    EXPECT_TRUE(position.date.IsNull());
    EXPECT_EQ(position.offset, 2000);
    EXPECT_EQ(At(kDay, 5000).ToDateTime(), COleDateTime(2017, 2, 28, 12, 0, 0));
    EXPECT_EQ(At(kDay, 0).ToDateTime(), kDay);
    EXPECT_EQ(At(COleDateTime(1899, 12, 29, 0, 0, 0), 2500).ToDateTime().GetDays(), -1.25);
    EXPECT_TRUE(At(COleDateTime::Null(), 2500).ToDateTime().IsNull());
}

}  // namespace
}  // namespace qb
