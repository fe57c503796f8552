#include "HolidayCache.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

#include "CMdHoliday.h"
#include "CYmdHoliday.h"
#include "CalendarSettings.h"

namespace qb {
namespace {

COleDateTime Day(int year, int month, int day, int hour = 0, int minute = 0) {
    return COleDateTime(year, month, day, hour, minute, 0);
}

std::unique_ptr<CYmdHoliday> Dated(const COleDateTime& day, bool forced = false) {
    auto rule = std::make_unique<CYmdHoliday>();
    rule->SetYear(day.GetYear());
    rule->SetMonth(day.GetMonth());
    rule->SetDay(day.GetDay());
    rule->SetForceNotHoliday(forced);
    return rule;
}

// 2024-06-01 is a Saturday, 06-02 a Sunday, 06-07 a Friday.
const COleDateTime kSaturday = Day(2024, 6, 1);
const COleDateTime kSunday = Day(2024, 6, 2);
const COleDateTime kMonday = Day(2024, 6, 3);

class HolidayCacheTest : public ::testing::Test {
protected:
    CalendarSettings settings;
    HolidayCache cache{settings};
    CHolidayArray project;

    void UseProject(bool useSystemHolidays = true) {
        cache.SetProjectRules(&project, useSystemHolidays);
    }
    void SetSystem(std::unique_ptr<CHolidayArray> rules) { cache.SetSystemRules(std::move(rules)); }
};

// Without rules Sundays are holidays and Saturdays ordinary days with their
// own colours; the time of day does not count and invalid days have no mark.
TEST_F(HolidayCacheTest, SundaysAreHolidaysAndSaturdaysOrdinaryWithoutRules) {
    EXPECT_EQ(cache.DayMark(kSunday), 1);
    EXPECT_EQ(cache.DayMark(kSaturday), 0);
    EXPECT_EQ(cache.DayMark(kMonday), 0);
    EXPECT_EQ(cache.TextColour(kSunday), settings.sunday);
    EXPECT_EQ(cache.BackgroundColour(kSunday), settings.sundayB);
    EXPECT_EQ(cache.TextColour(kSaturday), settings.saturday);
    EXPECT_EQ(cache.BackgroundColour(kSaturday), settings.saturdayB);
    EXPECT_EQ(cache.TextColour(kMonday), kBlack);
    EXPECT_EQ(cache.BackgroundColour(kMonday), kWhite);
    EXPECT_EQ(cache.DayMark(Day(2024, 6, 2, 23, 59)), 1);
    for (const COleDateTime& none :
         {COleDateTime::Null(), COleDateTime::Invalid(), COleDateTime(1e9, COleDateTime::valid)})
        EXPECT_EQ(cache.DayMark(none), 0);
}

// Friday noon to Monday noon: three days elapsed, one working day without
// the Sunday and Saturday, two with the Saturday.
TEST_F(HolidayCacheTest, CountedDaysFollowTheDayCountModeOfTheSettings) {
    const COleDateTime friday = Day(2024, 5, 31, 12);
    const COleDateTime monday = Day(2024, 6, 3, 12);
    for (const auto& [mode, days] : {std::pair{0, 3.0}, {1, 2.0}, {2, 1.0}, {3, 3.0}}) {
        settings.totalMode = mode;
        EXPECT_DOUBLE_EQ(cache.CountedDays(friday, monday), days) << "mode " << mode;
    }
}

TEST_F(HolidayCacheTest, ForcedWorkingSundayIsPlainAndAHolidaySaturdayHasHolidayColours) {
    project.Add(Dated(kSunday, true));
    project.Add(Dated(kSaturday));
    UseProject();
    EXPECT_EQ(cache.DayMark(kSunday), -1);
    EXPECT_EQ(cache.TextColour(kSunday), kBlack);
    EXPECT_EQ(cache.BackgroundColour(kSunday), kWhite);
    EXPECT_EQ(cache.DayMark(kSaturday), 1);
    EXPECT_EQ(cache.TextColour(kSaturday), settings.sunday);
}

TEST_F(HolidayCacheTest, ForcedWorkingSaturdayFollowsSaturdayNH) {
    project.Add(Dated(kSaturday, true));
    UseProject();
    const COleDateTime friday = Day(2024, 5, 31, 0, 0);
    const COleDateTime sunday = Day(2024, 6, 2, 0, 0);
    EXPECT_EQ(cache.DayMark(kSaturday), -1);
    EXPECT_EQ(cache.TextColour(kSaturday), settings.saturday);
    EXPECT_EQ(cache.BackgroundColour(kSaturday), settings.saturdayB);
    EXPECT_DOUBLE_EQ(cache.WorkingTime(friday, sunday, 2).GetTotalDays(), 1.0);
    EXPECT_DOUBLE_EQ(cache.WorkingTime(friday, sunday, 1).GetTotalDays(), 2.0);

    settings.saturdayNH = true;
    EXPECT_EQ(cache.TextColour(kSaturday), kBlack);
    EXPECT_EQ(cache.BackgroundColour(kSaturday), kWhite);
    EXPECT_DOUBLE_EQ(cache.WorkingTime(friday, sunday, 2).GetTotalDays(), 2.0);
}

TEST_F(HolidayCacheTest, SystemRulesApplyWhenNoProjectIsActive) {
    auto system = std::make_unique<CHolidayArray>();
    system->Add(Dated(kMonday));
    SetSystem(std::move(system));
    EXPECT_EQ(cache.DayMark(kMonday), 1);
    cache.SetProjectRules(nullptr, false);
    EXPECT_EQ(cache.DayMark(kMonday), 0);
}

TEST_F(HolidayCacheTest, HolidayOrderSettingDecidesBetweenConflictingRules) {
    project.Add(Dated(kMonday, true));
    project.Add(Dated(kMonday));
    UseProject();
    EXPECT_EQ(cache.DayMark(kMonday), -1);
    settings.holidayOrder = true;
    cache.ClearCache();
    EXPECT_EQ(cache.DayMark(kMonday), 1);
}

TEST_F(HolidayCacheTest, MarksStayUntilTheCacheIsCleared) {
    UseProject();
    EXPECT_EQ(cache.DayMark(kMonday), 0);
    project.Add(Dated(kMonday));
    EXPECT_EQ(cache.DayMark(kMonday), 0);
    // Other months are computed with the rules of their first question.
    project.Add(Dated(Day(2024, 7, 1)));
    EXPECT_EQ(cache.DayMark(Day(2024, 7, 1)), 1);
    cache.ClearCache();
    EXPECT_EQ(cache.DayMark(kMonday), 1);
}

TEST_F(HolidayCacheTest, SundayTransferReachesIntoTheNextMonthAndYear) {
    auto rule = std::make_unique<CMdHoliday>();
    rule->SetMonth(12);
    rule->SetDay(31);
    rule->SetTransferBySunday(true);
    project.Add(std::move(rule));
    UseProject();
    // 2017-12-31 is a Sunday; January 2018 is computed on its own.
    EXPECT_EQ(cache.DayMark(Day(2018, 1, 1)), 1);
    EXPECT_EQ(cache.DayMark(Day(2018, 1, 2)), 0);
    EXPECT_EQ(cache.DayMark(Day(2017, 12, 31)), 1);
}

// A forced working rule on one side and a holiday on the other: the project's
// forced rule always wins, the system's only while the system rules take part.
TEST_F(HolidayCacheTest, ForcedWorkingRulesBeatHolidaysOfTheOtherSet) {
    for (const bool projectForced : {true, false}) {
        project.DeleteAll();
        project.Add(Dated(kMonday, projectForced));
        auto system = std::make_unique<CHolidayArray>();
        system->Add(Dated(kMonday, !projectForced));
        SetSystem(std::move(system));
        UseProject(true);
        EXPECT_EQ(cache.DayMark(kMonday), -1) << projectForced;
        UseProject(false);
        EXPECT_EQ(cache.DayMark(kMonday), projectForced ? -1 : 1) << projectForced;
    }
}

// With Wednesday 5 June 2024 a project holiday.
TEST_F(HolidayCacheTest, WorkingTimeLeavesOutHolidaysAndInModeTwoSaturdays) {
    project.Add(Dated(Day(2024, 6, 5)));
    UseProject();
    struct Case {
        COleDateTime from, to;
        int mode;
        double days;
    };
    const Case cases[] = {
        {Day(2024, 6, 7, 9, 30), Day(2024, 6, 10, 17), 1, 2.3125},
        {Day(2024, 6, 7, 9, 30), Day(2024, 6, 10, 17), 2, 1.3125},
        {Day(2024, 6, 10, 17), Day(2024, 6, 7, 9, 30), 1, -2.3125},
        {Day(2024, 6, 3, 9), Day(2024, 6, 3, 15), 1, 0.25},
        {Day(2024, 6, 2, 9), Day(2024, 6, 2, 15), 1, 0.0},
        {Day(2024, 6, 1, 9), Day(2024, 6, 1, 15), 2, 0.0},
        {Day(2024, 6, 4, 12), Day(2024, 6, 6, 6), 1, 0.75},
        {Day(2024, 6, 5, 12), Day(2024, 6, 6, 6), 1, 0.25},
        {Day(2024, 6, 4, 12), Day(2024, 6, 5, 6), 1, 0.5},
        // June 2024: 30 days, 5 Sundays, 5 Saturdays and the holiday.
        {Day(2024, 6, 1), Day(2024, 7, 1), 1, 24.0},
        {Day(2024, 6, 1), Day(2024, 7, 1), 2, 19.0},
    };
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(cache.WorkingTime(c.from, c.to, c.mode).GetTotalDays(), c.days)
            << c.from.GetDay() << " " << c.from.GetHour() << " to " << c.to.GetDay() << " "
            << c.to.GetHour() << " mode " << c.mode;
}

TEST_F(HolidayCacheTest, WorkingTimeRefusesUnknownModesAndInvalidDates) {
    EXPECT_THROW(cache.WorkingTime(kMonday, kMonday, 0), std::invalid_argument);
    EXPECT_THROW(cache.WorkingTime(kMonday, kMonday, 3), std::invalid_argument);
    EXPECT_FALSE(cache.WorkingTime(COleDateTime::Null(), kMonday, 1).IsValid());
    EXPECT_FALSE(cache.WorkingTime(kMonday, COleDateTime::Invalid(), 2).IsValid());
}

}  // namespace
}  // namespace qb
