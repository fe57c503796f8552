#include "DateOffset.h"

#include <gtest/gtest.h>

#include <climits>

namespace qb {
namespace {

const COleDateTime kDay(2017, 2, 28, 0, 0, 0);

DateOffset At(const COleDateTime& date, int offset) {
    return DateOffset(date, offset);
}

TEST(DateOffset, OffsetPastTheEndOfTheDayMovesToTheNextDay) {
    DateOffset position = At(kDay, 9999);
    position.Add(COleDateTimeSpan(), 1);
    EXPECT_EQ(position, At(COleDateTime(2017, 3, 1, 0, 0, 0), 0));
}

TEST(DateOffset, NegativeOffsetBorrowsFromThePreviousDay) {
    DateOffset position = At(kDay, 0);
    position.Add(COleDateTimeSpan(), -1);
    EXPECT_EQ(position, At(COleDateTime(2017, 2, 27, 0, 0, 0), 9999));
}

TEST(DateOffset, OffsetsOfSeveralDaysAreCarriedWhole) {
    DateOffset position = At(kDay, 5000);
    position.Add(COleDateTimeSpan(), 20000);
    EXPECT_EQ(position, At(COleDateTime(2017, 3, 2, 0, 0, 0), 5000));
    position.Add(COleDateTimeSpan(), -30000);
    EXPECT_EQ(position, At(COleDateTime(2017, 2, 27, 0, 0, 0), 5000));
    position.Add(COleDateTimeSpan(), -5001);
    EXPECT_EQ(position, At(COleDateTime(2017, 2, 26, 0, 0, 0), 9999));
    position.Add(COleDateTimeSpan(), -10000);
    EXPECT_EQ(position, At(COleDateTime(2017, 2, 25, 0, 0, 0), 9999));
}

TEST(DateOffset, SpanAndOffsetAreAddedTogether) {
    DateOffset position = At(kDay, 7500);
    position.Add(COleDateTimeSpan(3.0), 5000);
    EXPECT_EQ(position, At(COleDateTime(2017, 3, 4, 0, 0, 0), 2500));
    position.Add(COleDateTimeSpan(-7.0), -2500);
    EXPECT_EQ(position, At(COleDateTime(2017, 2, 25, 0, 0, 0), 0));
}

TEST(DateOffset, NormaliseBringsAStoredOffsetIntoTheDay) {
    DateOffset position = At(kDay, 10000);
    position.Normalise();
    EXPECT_EQ(position, At(COleDateTime(2017, 3, 1, 0, 0, 0), 0));
    position = At(kDay, -10001);
    position.Normalise();
    EXPECT_EQ(position, At(COleDateTime(2017, 2, 26, 0, 0, 0), 9999));
    position = At(kDay, 1234);
    position.Normalise();
    EXPECT_EQ(position, At(kDay, 1234));
}

TEST(DateOffset, ExtremeOffsetsDoNotOverflow) {
    DateOffset position = At(kDay, INT_MAX);
    position.Add(COleDateTimeSpan(), INT_MAX);
    EXPECT_GE(position.offset, 0);
    EXPECT_LT(position.offset, 10000);
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

TEST(DateOffset, DateWithoutAValueStaysSoWhileTheOffsetIsNormalised) {
    DateOffset position = At(COleDateTime::Null(), 12000);
    position.Add(COleDateTimeSpan(1.0), 0);
    EXPECT_TRUE(position.date.IsNull());
    EXPECT_EQ(position.offset, 2000);
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

TEST(DateOffset, AsOneValueTheOffsetIsTheTimeOfDay) {
    EXPECT_EQ(At(kDay, 5000).ToDateTime(), COleDateTime(2017, 2, 28, 12, 0, 0));
    EXPECT_EQ(At(kDay, 0).ToDateTime(), kDay);
    EXPECT_EQ(At(COleDateTime(1899, 12, 29, 0, 0, 0), 2500).ToDateTime().GetDays(), -1.25);
    EXPECT_TRUE(At(COleDateTime::Null(), 2500).ToDateTime().IsNull());
}

}  // namespace
}  // namespace qb
