#include "ShapePainter.h"

#include <gtest/gtest.h>

#include "RecordingDrawContext.h"

namespace qb {
namespace {

using Op = RecordingDrawContext::Op;

ScheduleShape Line(int width, int startEdge, int endEdge) {
    return ScheduleShape{0, 0, width, startEdge, endEdge};
}

TEST(ShapePainter, LineWithArrowsDrawsTheLineThenTheEndThenTheStart) {
    RecordingDrawContext dc;
    ShapePainter().Draw(dc, Line(4, 1, 1), 10, 100, 50);
    const auto& r = dc.Records();
    ASSERT_EQ(r.size(), 3u);
    EXPECT_EQ(r[0].op, Op::line);
    EXPECT_EQ(r[0].points, (std::vector<DrawPoint>{{10, 50}, {100, 50}}));
    // w = 4: A (x-16, y-8), tip, C (x-16, y+8), D (x-12, y) at the right end.
    EXPECT_EQ(r[1].points, (std::vector<DrawPoint>{{84, 42}, {100, 50}, {84, 58}, {88, 50}}));
    EXPECT_EQ(r[2].points, (std::vector<DrawPoint>{{26, 42}, {10, 50}, {26, 58}, {22, 50}}));
}

TEST(ShapePainter, OpenArrowIsTwoLinesMeetingAtTheTip) {
    RecordingDrawContext dc;
    ShapePainter().Draw(dc, Line(2, 3, 0), 20, 60, 10);
    const auto lines = dc.RecordsOf(Op::line);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[1].points, (std::vector<DrawPoint>{{28, 6}, {20, 10}}));
    EXPECT_EQ(lines[2].points, (std::vector<DrawPoint>{{28, 14}, {20, 10}}));
}

TEST(ShapePainter, CircleEndsHaveRadiusTwiceTheSizeButAtLeastFour) {
    RecordingDrawContext dc;
    ShapePainter().Draw(dc, Line(2, 4, 4), 0, 100, 20);
    ShapePainter().Draw(dc, Line(3, 0, 4), 0, 100, 20);
    const auto ellipses = dc.RecordsOf(Op::ellipse);
    ASSERT_EQ(ellipses.size(), 3u);
    EXPECT_EQ(ellipses[0].rect, (DrawRect{96, 16, 104, 24}));
    EXPECT_EQ(ellipses[1].rect, (DrawRect{-4, 16, 4, 24}));
    EXPECT_EQ(ellipses[2].rect, (DrawRect{94, 14, 106, 26}));
}

TEST(ShapePainter, BarsAreCentredWithTheOddPixelAbove) {
    RecordingDrawContext dc;
    ShapePainter().Draw(dc, ScheduleShape{0, 1, 5, 1, 1}, 10, 40, 20);
    ShapePainter().Draw(dc, ScheduleShape{0, 1, 4, 0, 0}, 10, 40, 20);
    const auto& r = dc.Records();
    ASSERT_EQ(r.size(), 2u);
    EXPECT_EQ(r[0].op, Op::rectangle);
    EXPECT_EQ(r[0].rect, (DrawRect{10, 17, 40, 22}));
    EXPECT_EQ(r[1].rect, (DrawRect{10, 18, 40, 22}));
}

TEST(ShapePainter, RingIsMaskedOuterCircleAndPlainInnerCircle) {
    RecordingDrawContext dc;
    ShapePainter().Draw(dc, ScheduleShape{2, 1, 10, 0, 0}, 50, 50, 30);
    const auto& r = dc.Records();
    ASSERT_EQ(r.size(), 2u);
    EXPECT_EQ(r[0].rect, (DrawRect{45, 25, 55, 35}));
    EXPECT_EQ(r[0].state.mixMode, MixMode::mask);
    EXPECT_EQ(r[1].rect, (DrawRect{47, 27, 53, 33}));
    EXPECT_EQ(r[1].state.mixMode, MixMode::copy);
}

TEST(ShapePainter, PointMarkersHaveTheirFixedFigures) {
    RecordingDrawContext dc;
    ShapePainter painter;
    for (int subType = 0; subType <= 7; ++subType) {
        painter.Draw(dc, ScheduleShape{1, subType, 10, 0, 0}, 100, 100, 50);
    }
    const auto& r = dc.Records();
    ASSERT_EQ(r.size(), 8u);  // the ring draws twice, subtype 7 not at all
    EXPECT_EQ(r[3].rect, (DrawRect{96, 46, 104, 54}));
    EXPECT_EQ(r[4].points, (std::vector<DrawPoint>{{100, 45}, {105, 55}, {95, 55}}));
    EXPECT_EQ(r[7].points.size(), 10u);
}

TEST(ShapePainter, PrintScaleEnlargesEverySize) {
    RecordingDrawContext dc;
    ShapePainter(2.0).Draw(dc, ScheduleShape{1, 2, 10, 0, 0}, 100, 100, 50);
    ShapePainter(2.0).Draw(dc, ScheduleShape{0, 1, 5, 0, 0}, 0, 10, 50);
    EXPECT_EQ(dc.Records()[0].rect, (DrawRect{92, 42, 108, 58}));
    EXPECT_EQ(dc.Records()[1].rect, (DrawRect{0, 45, 10, 55}));
}

TEST(ShapePainter, AngleTurnsTheDecorationAboutItsTip) {
    // A quarter turn: the end arrow of a link pointing down.
    const ShapePainter painter(1.0, 3.14159265358979 / 2);
    const auto p = painter.EdgePoints(Line(2, 0, 2), ShapePainter::End::end, DrawPoint{0, 0});
    EXPECT_EQ(p[0], (DrawPoint{4, -8}));
    EXPECT_EQ(p[1], (DrawPoint{0, 0}));
    EXPECT_EQ(p[3], (DrawPoint{0, -6}));
}

}  // namespace
}  // namespace qb
