#include "ScheduleGeometry.h"

#include <gtest/gtest.h>

#include "CSchedule.h"
#include "TimeScale.h"

namespace qb {
namespace {

const COleDateTime kOrigin(2024, 1, 1, 0, 0, 0);

COleDateTime Day(int day, int hour = 0, int minute = 0) {
    return COleDateTime(2024, 1, day, hour, minute, 0);
}

ScheduleFields BarFrom(int startDay, int endDay, int height = 10) {
    ScheduleFields f;
    f.shape = ScheduleShape{0, 1, height, 0, 0};
    f.startDate = Day(startDay);
    f.endDate = Day(endDay);
    f.endOffset = 10000;
    f.height = height;
    f.yOffset = 5;
    return f;
}

ScheduleFields PointAt(int day) {
    ScheduleFields f;
    f.shape = ScheduleShape{2, 0, 10, 0, 0};
    f.startDate = Day(day);
    f.startOffset = 5000;
    f.yOffset = 20;
    return f;
}

// By day the scaled offset is added and the end of a day is its last pixel;
// by time the time of day counts, truncated, and the offset plays no part.
TEST(ScheduleGeometry, PositionsByDayAndByTime) {
    const TimeScale scale(kOrigin, 10.0);
    const struct {
        COleDateTime day;
        int offset;
        bool byDay;
        int x;
    } cases[] = {
        {Day(3), 0, true, 20},     {Day(3), 5000, true, 25},      {Day(3), 10000, true, 29},
        {Day(3, 18), 0, true, 20}, {Day(3, 12), 9999, false, 25}, {Day(3, 23, 59), 0, false, 29},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ScheduleGeometry::X(scale, c.day, c.offset, c.byDay), c.x)
            << c.day.GetDay() << " " << c.day.GetHour() << " " << c.offset << " " << c.byDay;
    EXPECT_EQ(ScheduleGeometry::X(TimeScale(kOrigin, 0.5), Day(5, 23), 0, false), 2);
}

TEST(ScheduleGeometry, BarSpansTheDatesBelowTheRowTopByItsOffset) {
    const TimeScale scale(kOrigin, 10.0);
    const ScheduleFields f = BarFrom(2, 4);
    const ScheduleGeometry g(f, scale);
    EXPECT_EQ(g.Bar(100), (DrawRect{10, 105, 39, 115}));
    const ScheduleFields p = PointAt(2);
    EXPECT_EQ(ScheduleGeometry(p, scale).Bar(100), (DrawRect{15, 120, 15, 120}));
}

TEST(ScheduleGeometry, ThinBarsAreHitInASixPixelBandAroundTheirMiddle) {
    const TimeScale scale(kOrigin, 10.0);
    const ScheduleFields f = BarFrom(2, 4, 2);
    const ScheduleGeometry g(f, scale);
    EXPECT_EQ(g.Hit(DrawRect{10, 105, 39, 107}), (DrawRect{10, 103, 39, 109}));
    EXPECT_EQ(g.Hit(DrawRect{10, 105, 39, 125}), (DrawRect{10, 105, 39, 125}));
    const ScheduleFields p = PointAt(2);
    EXPECT_EQ(ScheduleGeometry(p, scale).Hit(DrawRect{15, 120, 15, 120}),
              (DrawRect{10, 115, 20, 125}));
}

TEST(ScheduleGeometry, SelectedBarsOfferTheirEdgesWithinThreePixels) {
    const ScheduleFields f = BarFrom(2, 4);
    ScheduleLayout layout;
    layout.placed = true;
    layout.bar = DrawRect{10, 0, 40, 10};
    layout.hit = layout.bar;
    const struct {
        bool selected;
        int x;
        int handle;
    } cases[] = {{true, 12, ScheduleGeometry::kStart},
                 {true, 13, ScheduleGeometry::kBody},
                 {true, 38, ScheduleGeometry::kEnd},
                 {false, 12, ScheduleGeometry::kBody},
                 {true, 50, ScheduleGeometry::kNone}};
    for (const auto& c : cases)
        EXPECT_EQ(ScheduleGeometry::HandleAt(f, layout, c.selected, DrawPoint{c.x, 5}), c.handle)
            << c.x << " " << c.selected;
    layout.placed = false;
    EXPECT_EQ(ScheduleGeometry::HandleAt(f, layout, true, DrawPoint{20, 5}),
              ScheduleGeometry::kNone);
}

TEST(ScheduleGeometry, AnchorsOfBarsAreEndsAndMiddlesHalvedTowardZero) {
    const ScheduleFields f = BarFrom(2, 4);
    const DrawRect bar{-11, 0, 0, 5};
    EXPECT_EQ(ScheduleGeometry::Anchor(f, bar, 0, 0), (DrawPoint{-11, 0}));
    EXPECT_EQ(ScheduleGeometry::Anchor(f, bar, 1, 1), (DrawPoint{-6, 2}));
    EXPECT_EQ(ScheduleGeometry::Anchor(f, bar, 2, 2), (DrawPoint{0, 5}));
    const ScheduleFields p = PointAt(2);
    EXPECT_EQ(ScheduleGeometry::Anchor(p, DrawRect{15, 20, 15, 20}, 0, 2), (DrawPoint{10, 25}));
    EXPECT_EQ(ScheduleGeometry::Anchor(p, DrawRect{15, 20, 15, 20}, 2, 0), (DrawPoint{20, 15}));
    EXPECT_EQ(ScheduleGeometry::Anchor(p, DrawRect{15, 20, 15, 20}, 1, 1), (DrawPoint{15, 20}));
}

TEST(ScheduleGeometry, ActualLineNeedsBothDatesForBarsAndTheStartForPoints) {
    const TimeScale scale(kOrigin, 10.0);
    ScheduleFields f = BarFrom(2, 4);
    const DrawRect bar{10, 105, 39, 115};
    EXPECT_TRUE(ScheduleGeometry(f, scale).Actual(bar, 2).IsEmpty());
    f.actualStartDate = Day(3);
    EXPECT_TRUE(ScheduleGeometry(f, scale).Actual(bar, 2).IsEmpty());
    f.actualEndDate = Day(5);
    f.actualEndOffset = 5000;
    EXPECT_EQ(ScheduleGeometry(f, scale).Actual(bar, 2), (DrawRect{20, 117, 45, 121}));
    // Not by day: the offsets are ignored and the time of day counts.
    f.byDay = false;
    f.actualEndDate = Day(5, 6);
    EXPECT_EQ(ScheduleGeometry(f, scale).Actual(bar, 2), (DrawRect{20, 117, 42, 121}));

    ScheduleFields p = PointAt(2);
    p.actualStartDate = Day(6);
    EXPECT_EQ(ScheduleGeometry(p, scale).Actual(DrawRect{15, 20, 15, 20}, 3),
              (DrawRect{45, 23, 55, 27}));
}

TEST(ScheduleGeometry, ShoulderBandSitsAboveUnlessTheCaptionDoes) {
    const TimeScale scale(kOrigin, 10.0);
    ScheduleFields f = BarFrom(2, 4);
    const DrawRect bar{10, 100, 39, 110};
    ScheduleLayout layout;
    ScheduleGeometry(f, scale).PlaceShoulder(bar, layout);
    EXPECT_EQ(layout.bandTop, 89);
    EXPECT_EQ(layout.bandBottom, 99);
    EXPECT_EQ(layout.farY, 110);

    f.shape.endEdgeType = 1;
    f.edgePen.SetWidth(3);
    ScheduleGeometry(f, scale).PlaceShoulder(bar, layout);
    EXPECT_EQ(layout.bandTop, 80);

    f.captionPosition = 1;
    ScheduleGeometry(f, scale).PlaceShoulder(bar, layout);
    EXPECT_EQ(layout.bandTop, 119);
    EXPECT_EQ(layout.bandBottom, 120);
    EXPECT_EQ(layout.farY, 90);

    ScheduleFields p = PointAt(2);
    ScheduleGeometry(p, scale).PlaceShoulder(DrawRect{15, 20, 15, 20}, layout);
    EXPECT_EQ(layout.bandTop, 4);
}

TEST(ScheduleGeometry, ProgressPrefersQuantitiesThenTheRateAndSplitsTheBar) {
    EXPECT_EQ(ScheduleGeometry::SplitX(DrawRect{10, 0, 110, 5}, 333), 43);
    EXPECT_EQ(ScheduleGeometry::SplitX(DrawRect{10, 0, 110, 5}, 1000), 110);
    ScheduleFields f;
    EXPECT_EQ(f.EffectiveProgress(), 1000);
    f.progressRate = 250;
    EXPECT_EQ(f.EffectiveProgress(), 250);
    f.plan = 4;
    f.results = 6;
    EXPECT_EQ(f.EffectiveProgress(), 1000);
    f.results = 3;
    EXPECT_EQ(f.EffectiveProgress(), 750);
    f.plan = 3;
    f.results = 2000000000;
    EXPECT_EQ(f.EffectiveProgress(), 1000);
}

TEST(ScheduleGeometry, LightningPointsFollowTheRateOrTheQuantities) {
    const TimeScale scale(kOrigin, 10.0);
    const COleDateTime reference = Day(3, 12);
    ScheduleFields f = BarFrom(2, 11);
    const DrawRect bar{10, 100, 110, 111};
    EXPECT_FALSE(ScheduleGeometry::LightningPoint(f, bar, reference));
    f.progressRate = 300;
    EXPECT_EQ(*ScheduleGeometry::LightningPoint(f, bar, reference), (DrawPoint{40, 105}));
    // Quantities are not capped: overdone work reaches past the end.
    f.progressRate = -1;
    f.plan = 2;
    f.results = 3;
    EXPECT_EQ(*ScheduleGeometry::LightningPoint(f, bar, reference), (DrawPoint{160, 105}));
}

// Finished past work and untouched future work give no point. Work counted by
// quantities is finished once its results reach the plan, even past it;
// ending exactly on the reference day counts as past.
TEST(ScheduleGeometry, FinishedPastWorkAndUntouchedFutureWorkGiveNoPoint) {
    const DrawRect bar{10, 100, 110, 110};
    ScheduleFields done = BarFrom(2, 3);
    done.progressRate = 1000;
    EXPECT_FALSE(ScheduleGeometry::LightningPoint(done, bar, Day(5)));
    EXPECT_TRUE(ScheduleGeometry::LightningPoint(done, bar, Day(3)));
    ScheduleFields untouched = BarFrom(6, 8);
    untouched.progressRate = 0;
    EXPECT_FALSE(ScheduleGeometry::LightningPoint(untouched, bar, Day(5)));
    EXPECT_TRUE(ScheduleGeometry::LightningPoint(untouched, bar, Day(7)));
    ScheduleFields overdone = BarFrom(2, 3);
    overdone.plan = 4;
    overdone.results = 5;
    const COleDateTime end =
        ScheduleFields::Moment(overdone.endDate, overdone.endOffset, overdone.byDay);
    EXPECT_FALSE(ScheduleGeometry::LightningPoint(overdone, bar, end));
    EXPECT_TRUE(
        ScheduleGeometry::LightningPoint(overdone, bar, end - COleDateTimeSpan(0, 0, 1, 0)));
}

}  // namespace
}  // namespace qb
