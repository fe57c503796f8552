#include "HorizontalScroll.h"

#include <gtest/gtest.h>

#include "CRuler.h"
#include "CalendarSettings.h"

namespace qb {
namespace {

COleDateTime Date(int year, int month, int day) {
    return COleDateTime(year, month, day, 0, 0, 0);
}

const COleDateTime kMarch1 = Date(2017, 3, 1);

// 10 pixels a day in a 300-pixel window, built for March 2017.
class HorizontalScrollTest : public ::testing::Test {
protected:
    HorizontalScrollTest() {
        ruler.SetView(300, kMarch1, Date(2017, 3, 30));
        ruler.Rebuild();
    }

    CalendarSettings settings;
    CRuler ruler{settings};
};

TEST_F(HorizontalScrollTest, ScrollingPastTheEndBuildsTheDaysItReaches) {
    EXPECT_FALSE(HorizontalScroll::ScrollBy(ruler, 400));
    EXPECT_EQ(ruler.GetScrollPosition(), 400);
    EXPECT_EQ(ruler.XToDate(400), Date(2017, 4, 10));
    const HorizontalScroll bar = HorizontalScroll::Of(ruler);
    EXPECT_EQ(bar.page, 300);
    EXPECT_GE(bar.maximum - bar.page, 400);
}

TEST_F(HorizontalScrollTest, ScrollingBeforeTheOriginMovesItToTheDayAtTheEdge) {
    EXPECT_TRUE(HorizontalScroll::ScrollBy(ruler, -25));
    EXPECT_EQ(ruler.GetOrigin(), Date(2017, 2, 26));
    EXPECT_EQ(ruler.GetScrollPosition(), 5) << "half of 26 February is left of the edge";
}

TEST_F(HorizontalScrollTest, ALongScrollKeepsTheSpanRuleAndLosesNoPixel) {
    for (int i = 0; i < 100; ++i) {
        HorizontalScroll::ScrollBy(ruler, 1000);
        ASSERT_LT(ruler.SpanPixels(), CRuler::kMaxSpan);
    }
    EXPECT_EQ(ruler.XToDate(ruler.GetScrollPosition()), kMarch1.AddDays(10000));
    for (int i = 0; i < 100; ++i)
        HorizontalScroll::ScrollBy(ruler, -1000);
    EXPECT_EQ(ruler.XToDate(ruler.GetScrollPosition()), kMarch1);
}

}  // namespace
}  // namespace qb
