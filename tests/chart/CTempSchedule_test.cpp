#include "CTempSchedule.h"

#include <gtest/gtest.h>

#include "CRuler.h"
#include "CalendarSettings.h"

namespace qb {
namespace {

COleDateTime Day(int day) {
    return COleDateTime(2024, 1, day, 0, 0, 0);
}

TEST(CTempSchedule, MovedBarKeepsItsDuration) {
    struct Case {
        int startOffset, endDay, endOffset;  // source from day 5
        int newStartOffset;                  // new start on day 20
        int wantDay, wantOffset;
    };
    const Case cases[] = {
        {0, 10, 10000, 0, 26, 0},        // whole days: the end of day 25
        {0, 10, 10000, 3000, 26, 3000},  // carried into the next day
        {2000, 10, 6000, 2500, 25, 6500},
        {2000, 10, 1000, 500, 24, 9500},  // a negative shift borrows a day
        {5, 10, 9, 4000, 25, 4000},       // both near midnight: no shift
        {4000, 10, 4009, 100, 25, 100},   // a shift below 10 is noise
    };
    for (const Case& c : cases) {
        const DateOffset end = CTempSchedule::MovedEnd(DateOffset(Day(20), c.newStartOffset),
                                                       DateOffset(Day(5), c.startOffset),
                                                       DateOffset(Day(c.endDay), c.endOffset));
        EXPECT_EQ(end, DateOffset(Day(c.wantDay), c.wantOffset))
            << c.startOffset << " " << c.endOffset << " " << c.newStartOffset;
    }
}

TEST(CTempSchedule, SnappedEdgesGoToDayBoundariesAndPointsToTheMiddle) {
    CalendarSettings calendar;
    CRuler ruler(calendar);
    ruler.SetView(600, Day(1), Day(60));
    ruler.SetScale(10.0);
    const int x = ruler.DateToX(Day(4)) + 3;  // 30% into day 4
    EXPECT_EQ(CTempSchedule::EdgeAt(x, ruler, false, false), DateOffset(Day(4), 3000));
    EXPECT_EQ(CTempSchedule::EdgeAt(x, ruler, true, false), DateOffset(Day(4), 0));
    EXPECT_EQ(CTempSchedule::EdgeAt(x + 4, ruler, true, false), DateOffset(Day(5), 0));
    EXPECT_EQ(CTempSchedule::EdgeAt(x + 4, ruler, true, true), DateOffset(Day(4), 5000));
}

}  // namespace
}  // namespace qb
