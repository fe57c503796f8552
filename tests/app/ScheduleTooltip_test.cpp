#include "ScheduleTooltip.h"

#include <gtest/gtest.h>

#include "CSchedule.h"

namespace qb {
namespace {

ScheduleFields Bar() {
    ScheduleFields f;
    f.startDate = COleDateTime(2017, 2, 24, 0, 0, 0);
    f.endDate = COleDateTime(2017, 3, 1, 0, 0, 0);
    f.endOffset = 0;
    return f;
}

TEST(ScheduleTooltip, ByDayBarsShowDatesWithAnEndAtMidnightAsTheDayBefore) {
    EXPECT_EQ(ScheduleTooltip::Text(Bar()), "2017/2/24(金)\r\n ～2017/2/28(火)");
    ScheduleFields f = Bar();
    f.endOffset = 5000;
    EXPECT_EQ(ScheduleTooltip::Text(f), "2017/2/24(金)\r\n ～2017/3/1(水)");
}

TEST(ScheduleTooltip, ByTimeBarsShowTheTimeOfDay) {
    ScheduleFields f = Bar();
    f.byDay = false;
    f.startDate = COleDateTime(2017, 2, 24, 9, 5, 0);
    EXPECT_EQ(ScheduleTooltip::Text(f), "2017/2/24(金) 9:05\r\n ～2017/3/1(水) 0:00");
}

TEST(ScheduleTooltip, ActualDatesJoinWithOneTildeWhicheverAreSet) {
    ScheduleFields f = Bar();
    f.actualStartDate = COleDateTime(2017, 2, 25, 0, 0, 0);
    EXPECT_EQ(ScheduleTooltip::Text(f),
              "2017/2/24(金)\r\n ～2017/2/28(火)\r\n[実績] 2017/2/25(土)～");
    f.actualEndDate = COleDateTime(2017, 2, 27, 0, 0, 0);
    f.actualEndOffset = 5000;
    EXPECT_EQ(ScheduleTooltip::Text(f),
              "2017/2/24(金)\r\n ～2017/2/28(火)\r\n[実績] 2017/2/25(土)～2017/2/27(月)");
    f.actualStartDate = COleDateTime::Null();
    EXPECT_EQ(ScheduleTooltip::Text(f),
              "2017/2/24(金)\r\n ～2017/2/28(火)\r\n[実績] ～2017/2/27(月)");
}

TEST(ScheduleTooltip, PointsShowTheStartAndTheActualStartOnly) {
    ScheduleFields f = Bar();
    f.shape.type = 2;
    f.actualStartDate = COleDateTime(2017, 2, 25, 0, 0, 0);
    f.actualEndDate = COleDateTime(2017, 2, 27, 0, 0, 0);
    EXPECT_EQ(ScheduleTooltip::Text(f), "2017/2/24(金)\r\n[実績] 2017/2/25(土)");
}

TEST(ScheduleTooltip, CaptionQuantitiesAndProgressFollowTheDates) {
    ScheduleFields f = Bar();
    f.shape.type = 1;
    f.caption = "配管工事";
    f.plan = 4;
    f.results = 3;
    f.progressRate = 755;
    EXPECT_EQ(ScheduleTooltip::Text(f),
              "2017/2/24(金)\r\n配管工事\r\n[予定数量] 4\r\n[実績数量] 3\r\n[進捗率] 75%");
}

TEST(ScheduleTooltip, OwnTooltipReplacesEverything) {
    CSchedule s;
    s.SetCaption("x");
    s.SetParam("_tooltip", "09:00 打合せ");
    EXPECT_EQ(ScheduleTooltip::Text(ScheduleFields::FromSchedule(s)), "09:00 打合せ");
}

TEST(ScheduleTooltip, ZeroActualDatesOfANewScheduleCountAsUnset) {
    CSchedule s;
    s.SetScheduleType(1);
    s.SetStartDate(COleDateTime(2017, 2, 24, 0, 0, 0));
    ASSERT_TRUE(s.GetActualStartDate().IsValid());
    const ScheduleFields f = ScheduleFields::FromSchedule(s);
    EXPECT_FALSE(f.HasActualStart());
    EXPECT_EQ(ScheduleTooltip::Text(f), "2017/2/24(金)");
}

}  // namespace
}  // namespace qb
