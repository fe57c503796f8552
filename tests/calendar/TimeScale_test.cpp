#include "TimeScale.h"

#include <gtest/gtest.h>

#include <climits>
#include <tuple>

namespace qb {
namespace {

const COleDateTime kOrigin(2017, 2, 1, 0, 0, 0);

COleDateTime Day(int index) {
    return kOrigin.AddDays(index);
}

class TimeScaleAtScale : public ::testing::TestWithParam<double> {};

TEST_P(TimeScaleAtScale, EveryPixelMapsToADayThatBeginsAtOrBeforeIt) {
    const TimeScale scale(kOrigin, GetParam());
    for (int x = -3000; x <= 3000; ++x) {
        const COleDateTime day = scale.XToDate(x);
        ASSERT_TRUE(day.IsValid());
        const int dayX = scale.DateToX(day);
        const int nextX = scale.DateToX(day.AddDays(1));
        EXPECT_LE(dayX, x) << "x " << x;
        if (x >= 0) {
            EXPECT_TRUE(x < nextX || (dayX == x && nextX == x)) << "x " << x;
        }
        if (GetParam() <= 1.0 && x >= 0) {
            // Below one pixel per day every pixel is the start of some day.
            EXPECT_EQ(dayX, x) << "x " << x;
        }
    }
}

TEST_P(TimeScaleAtScale, OffsetsStayInsideTheirDay) {
    const TimeScale scale(kOrigin, GetParam());
    for (int day = -50; day <= 50; ++day) {
        const int dayX = scale.DateToX(Day(day));
        const int nextX = scale.DateToX(Day(day + 1));
        for (int offset : {0, 1, 2500, 4999, 5000, 9999, 10000}) {
            const int x = scale.DateOffsetToX(DateOffset(Day(day), offset));
            EXPECT_GE(x, dayX);
            EXPECT_LE(x, std::max(dayX, nextX - 1));
        }
    }
}

TEST_P(TimeScaleAtScale, PositionsReadBackAsTheDayAndAnOffsetBelowTenThousand) {
    const TimeScale scale(kOrigin, GetParam());
    for (int x = -500; x <= 3000; ++x) {
        const DateOffset position = scale.XToDateOffset(x);
        EXPECT_GE(position.offset, 0);
        EXPECT_LE(position.offset, 9999);
        EXPECT_EQ(position.date, scale.XToDate(x));
        if (GetParam() >= 1.0) {
            EXPECT_EQ(scale.DateOffsetToX(position), x) << "x " << x;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Scales, TimeScaleAtScale, ::testing::Values(0.1, 1.0, 7.3, 48.0));

TEST(TimeScale, DayStartsAreTheTruncatedProductOfDaysAndScale) {
    const TimeScale scale(kOrigin, 7.3);
    EXPECT_EQ(scale.DateToX(kOrigin), 0);
    EXPECT_EQ(scale.DateToX(Day(1)), 7);
    EXPECT_EQ(scale.DateToX(Day(3)), 21);   // 21.9
    EXPECT_EQ(scale.DateToX(Day(-1)), -7);  // -7.3 truncates toward zero
    EXPECT_EQ(scale.DateToX(Day(-3)), -21);
    // The time of day plays no part.
    EXPECT_EQ(scale.DateToX(COleDateTime(2017, 2, 4, 23, 0, 0)), 21);
    // Pixels left of the origin map by the floor of the days.
    EXPECT_EQ(scale.XToDate(-1), Day(-1));
    EXPECT_EQ(scale.XToDate(-7), Day(-1));
    EXPECT_EQ(scale.XToDate(-8), Day(-2));
    EXPECT_EQ(TimeScale(kOrigin, 0.1).XToDate(-1), Day(-10));
}

TEST(TimeScale, OriginIsTheDayOfTheValueAndIgnoresValuesThatAreNotValid) {
    TimeScale scale(COleDateTime(2017, 2, 1, 15, 30, 0), 10.0);
    EXPECT_EQ(scale.GetOrigin(), kOrigin);
    scale.SetOrigin(COleDateTime::Invalid());
    EXPECT_EQ(scale.GetOrigin(), kOrigin);
    scale.SetOrigin(COleDateTime::Null());
    EXPECT_EQ(scale.GetOrigin(), kOrigin);
}

TEST(TimeScale, ScaleZeroOrNegativeBecomesATenthOfAPixel) {
    EXPECT_DOUBLE_EQ(TimeScale(kOrigin, 0.0).GetScale(), 0.1);
    EXPECT_DOUBLE_EQ(TimeScale(kOrigin, -3.0).GetScale(), 0.1);
    EXPECT_DOUBLE_EQ(TimeScale(kOrigin, 0.0 / 0.0).GetScale(), 0.1);
    EXPECT_DOUBLE_EQ(TimeScale(kOrigin, 0.05).GetScale(), 0.05);
}

// Halves round away from zero; an end offset of a whole day lands on the
// day's last pixel.
TEST(TimeScale, OffsetsRoundHalvesAwayFromZeroAndStayInTheirDay) {
    const TimeScale scale(kOrigin, 10.0);
    const std::tuple<int, int, int> cases[] = {
        {1, 500, 11},   {1, 1499, 11}, {1, 1500, 12}, {-1, 500, -9},
        {2, 10000, 29}, {2, 9999, 29}, {2, -5, 20},
    };
    for (const auto& [day, offset, x] : cases)
        EXPECT_EQ(scale.DateOffsetToX(DateOffset(Day(day), offset)), x) << day << " " << offset;
}

TEST(TimeScale, TimeOfDayCountsFromOnePixelPerDay) {
    const COleDateTime noon(2017, 2, 3, 12, 0, 0);
    EXPECT_EQ(TimeScale(kOrigin, 48.0).DateTimeToX(noon), 96 + 24);
    EXPECT_EQ(TimeScale(kOrigin, 7.3).DateTimeToX(COleDateTime(2017, 2, 3, 18, 0, 0)), 14 + 5);
    EXPECT_EQ(TimeScale(kOrigin, 1.0).DateTimeToX(noon), 2);
    EXPECT_EQ(TimeScale(kOrigin, 0.99).DateTimeToX(COleDateTime(2017, 2, 3, 23, 59, 0)), 1);
    EXPECT_EQ(TimeScale(kOrigin, 1440.0).DateTimeToX(COleDateTime(2017, 2, 1, 13, 7, 0)), 787);
}

TEST(TimeScale, HugeCoordinatesNeitherOverflowNorLoop) {
    for (double value : {0.1, 1.0, 48.0, 1e9}) {
        const TimeScale scale(kOrigin, value);
        for (int x : {INT_MAX, INT_MIN, INT_MAX / 2, -INT_MAX / 2}) {
            const DateOffset position = scale.XToDateOffset(x);
            EXPECT_GE(position.offset, 0);
            EXPECT_LE(position.offset, 9999);
        }
        const int far = scale.DateToX(COleDateTime(9999, 12, 31, 0, 0, 0));
        EXPECT_LE(far, TimeScale::kMaxX);
        EXPECT_GE(scale.DateToX(COleDateTime(100, 1, 1, 0, 0, 0)), -TimeScale::kMaxX);
    }
}

TEST(TimeScale, ValuesThatAreNotValidMapToTheOrigin) {
    const TimeScale scale(kOrigin, 5.0);
    EXPECT_EQ(scale.DateToX(COleDateTime::Invalid()), 0);
    EXPECT_EQ(scale.DateTimeToX(COleDateTime::Null()), 0);
}

}  // namespace
}  // namespace qb
