#include "CaptionLayout.h"

#include <gtest/gtest.h>

namespace qb {
namespace {

ScheduleFields Bar(int position, int startEdge = 0) {
    ScheduleFields f;
    f.shape = ScheduleShape{0, 1, 10, startEdge, 0};
    f.captionPosition = position;
    return f;
}

ScheduleFields Point(int position) {
    ScheduleFields f;
    f.shape = ScheduleShape{1, 0, 10, 0, 0};
    f.captionPosition = position;
    return f;
}

const DrawRect kBar{100, 50, 200, 60};
const DrawSize kText{40, 12};

TEST(CaptionLayout, BarCaptionsSitInsideOrBesideTheBar) {
    EXPECT_EQ(CaptionLayout::Place(Bar(0), kBar, kText), (DrawRect{102, 51, 199, 59}));
    EXPECT_EQ(CaptionLayout::Place(Bar(1), kBar, kText), (DrawRect{100, 36, 200, 48}));
    EXPECT_EQ(CaptionLayout::Place(Bar(2), kBar, kText), (DrawRect{203, 50, 243, 60}));
    EXPECT_EQ(CaptionLayout::Place(Bar(3), kBar, kText), (DrawRect{100, 62, 200, 72}));
    EXPECT_EQ(CaptionLayout::Place(Bar(4), kBar, kText), (DrawRect{57, 50, 100, 60}));
    // Edge decorations push captions above and below five pixels further.
    EXPECT_EQ(CaptionLayout::Place(Bar(1, 2), kBar, kText), (DrawRect{100, 31, 200, 43}));
    EXPECT_EQ(CaptionLayout::Place(Bar(3, 2), kBar, kText), (DrawRect{100, 67, 200, 77}));
    EXPECT_EQ(CaptionLayout::Place(Bar(2, 2), kBar, kText), (DrawRect{203, 50, 243, 60}));
}

TEST(CaptionLayout, PointCaptionsKeepClearOfTheMarker) {
    const DrawRect marker{100, 50, 100, 50};
    EXPECT_EQ(CaptionLayout::Place(Point(0), marker, kText), (DrawRect{95, 45, 105, 55}));
    EXPECT_EQ(CaptionLayout::Place(Point(1), marker, kText), (DrawRect{95, 33, 105, 45}));
    EXPECT_EQ(CaptionLayout::Place(Point(2), marker, kText), (DrawRect{106, 45, 146, 55}));
    EXPECT_EQ(CaptionLayout::Place(Point(3), marker, kText), (DrawRect{95, 56, 105, 67}));
    EXPECT_EQ(CaptionLayout::Place(Point(4), marker, kText), (DrawRect{54, 45, 94, 55}));
}

TEST(CaptionLayout, OnlyInsideCaptionsRunOverSeveralLinesAndAreClipped) {
    ScheduleFields inside = Bar(0);
    inside.captionHAlign = 0;
    inside.captionVAlign = 2;
    const TextFormat f = CaptionLayout::Format(inside);
    EXPECT_FALSE(f.singleLine);
    EXPECT_TRUE(f.clip);
    EXPECT_EQ(f.horizontal, HorizontalAlign::left);
    EXPECT_EQ(f.vertical, VerticalAlign::bottom);
    EXPECT_TRUE(CaptionLayout::Format(Bar(2)).singleLine);
}

}  // namespace
}  // namespace qb
