#include "COleDateTimeSpan.h"

#include <gtest/gtest.h>

#include <limits>

namespace qb {
namespace {

TEST(COleDateTimeSpan, HoursMinutesAndSecondsAreFractionsOfADayAndWholeDaysTruncate) {
    EXPECT_EQ(COleDateTimeSpan(1, 6, 0, 0).GetTotalDays(), 1.25);
    EXPECT_EQ(COleDateTimeSpan(0, 0, 90, 0).GetTotalDays(), 0.0625);
    EXPECT_DOUBLE_EQ(COleDateTimeSpan(0, 0, 0, 1).GetTotalDays(), 1.0 / 86400);
    EXPECT_EQ(COleDateTimeSpan(-1, -6, 0, 0).GetTotalDays(), -1.25);
    EXPECT_TRUE(COleDateTimeSpan().IsValid());
    const std::pair<double, int> whole[] = {
        {1.75, 1}, {-1.75, -1}, {-0.5, 0}, {3615897.0, 3615897}};
    for (const auto& [days, truncated] : whole)
        EXPECT_EQ(COleDateTimeSpan(days).GetDays(), truncated) << days;
}

TEST(COleDateTimeSpan, MagnitudeBeyondTheLimitIsInvalidAndArithmeticKeepsTheLimit) {
    EXPECT_TRUE(COleDateTimeSpan(3615897.0).IsValid());
    EXPECT_TRUE(COleDateTimeSpan(-3615897.0).IsValid());
    EXPECT_FALSE(COleDateTimeSpan(3615897.0001).IsValid());
    EXPECT_FALSE(COleDateTimeSpan(-3615898.0).IsValid());
    EXPECT_FALSE(COleDateTimeSpan(3615897, 0, 0, 1).IsValid());
    EXPECT_FALSE(COleDateTimeSpan(std::numeric_limits<double>::quiet_NaN()).IsValid());
    EXPECT_FALSE(COleDateTimeSpan(std::numeric_limits<double>::infinity()).IsValid());

    const COleDateTimeSpan big(3000000.0);
    EXPECT_EQ((big - COleDateTimeSpan(0.5)).GetTotalDays(), 2999999.5);
    EXPECT_EQ((-big).GetTotalDays(), -3000000.0);
    EXPECT_FALSE((big + big).IsValid());
    EXPECT_FALSE((-big - big).IsValid());
    EXPECT_FALSE((COleDateTimeSpan(1.0) + COleDateTimeSpan::Invalid()).IsValid());
    EXPECT_FALSE((COleDateTimeSpan::Invalid() - COleDateTimeSpan(1.0)).IsValid());
    EXPECT_FALSE((-COleDateTimeSpan::Invalid()).IsValid());
}

}  // namespace
}  // namespace qb
