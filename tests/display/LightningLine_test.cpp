#include "LightningLine.h"

#include <gtest/gtest.h>

#include <vector>

#include "RecordingDrawContext.h"

namespace qb {
namespace {

const DrawPen kPen{kPenSolid, 3, 0x0000FF};

TEST(LightningLine, BendsOutToEveryPointAndBack) {
    RecordingDrawContext dc;
    const std::vector<DrawPoint> points{{80, 30}, {20, 100}};
    LightningLine::Draw(dc, 50, points, 200, kPen, 0, 200);
    const auto lines = dc.RecordsOf(RecordingDrawContext::Op::polyline);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(
        lines[0].points,
        (std::vector<DrawPoint>{
            {50, 0}, {50, 23}, {80, 30}, {50, 37}, {50, 93}, {20, 100}, {50, 107}, {50, 200}}));
    EXPECT_EQ(lines[0].state.pen, kPen);
}

TEST(LightningLine, OnlyPointsNearTheVisibleBandAndAboveTheRowsEndAreDrawn) {
    RecordingDrawContext dc;
    std::vector<DrawPoint> points;
    for (int y = 10; y < 100000; y += 20)
        points.push_back(DrawPoint{60, y});
    LightningLine::Draw(dc, 50, points, 100000, kPen, 5000, 5100);
    const auto lines = dc.RecordsOf(RecordingDrawContext::Op::polyline);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_LE(lines[0].points.size(), 3u * 8 + 2);
    EXPECT_LE(lines[0].points.front().y, 5000);
    EXPECT_GE(lines[0].points.back().y, 5100);
    // Nothing at all below the rows.
    RecordingDrawContext below;
    LightningLine::Draw(below, 50, {}, 100, kPen, 300, 400);
    EXPECT_TRUE(below.Records().empty());
}

}  // namespace
}  // namespace qb
