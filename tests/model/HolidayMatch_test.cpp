#include <gtest/gtest.h>

#include <memory>

#include "CMdHoliday.h"
#include "CMonthlyHoliday.h"
#include "CMonthlyWHoliday.h"
#include "CMwHoliday.h"
#include "CWeeklyHoliday.h"
#include "CYmdHoliday.h"

namespace qb {
namespace {

COleDateTime Day(int year, int month, int day) {
    return COleDateTime(year, month, day, 0, 0, 0);
}

std::unique_ptr<CMdHoliday> MdRule(int month, int day, bool transfer) {
    auto rule = std::make_unique<CMdHoliday>();
    rule->SetMonth(month);
    rule->SetDay(day);
    rule->SetTransferBySunday(transfer);
    return rule;
}

std::unique_ptr<CMwHoliday> MwRule(int month, int dayOfWeek, int weekNo) {
    auto rule = std::make_unique<CMwHoliday>();
    rule->SetMonth(month);
    rule->SetDayOfWeek(dayOfWeek);
    rule->SetWeekNo(weekNo);
    return rule;
}

TEST(HolidayMatch, DatedRuleMatchesOnlyItsOwnDay) {
    CYmdHoliday rule;
    rule.SetYear(2019);
    rule.SetMonth(5);
    rule.SetDay(1);
    EXPECT_TRUE(rule.Matches(Day(2019, 5, 1)));
    EXPECT_FALSE(rule.Matches(Day(2020, 5, 1)));
    EXPECT_FALSE(rule.Matches(Day(2019, 5, 2)));
}

TEST(HolidayMatch, YearlyRuleMovesToMondayOnlyWhenItFallsOnSunday) {
    const auto owned = MdRule(5, 3, true);
    const CMdHoliday& rule = *owned;
    // 2015-05-03 is a Sunday, 2014-05-03 a Saturday.
    EXPECT_TRUE(rule.Matches(Day(2015, 5, 3)));
    EXPECT_TRUE(rule.Matches(Day(2015, 5, 4)));
    EXPECT_FALSE(rule.Matches(Day(2015, 5, 5)));
    EXPECT_TRUE(rule.Matches(Day(2014, 5, 3)));
    EXPECT_FALSE(rule.Matches(Day(2014, 5, 4)));
    EXPECT_FALSE(rule.Matches(Day(2014, 5, 5)));
    EXPECT_FALSE(MdRule(5, 3, false)->Matches(Day(2015, 5, 4)));
}

TEST(HolidayMatch, TransferCrossesMonthAndYearEnds) {
    // 2017-12-31 is a Sunday; 2023-04-30 is a Sunday.
    EXPECT_TRUE(MdRule(12, 31, true)->Matches(Day(2018, 1, 1)));
    EXPECT_TRUE(MdRule(4, 30, true)->Matches(Day(2023, 5, 1)));
    CMonthlyHoliday monthly(31, true);
    EXPECT_TRUE(monthly.Matches(Day(2018, 1, 1)));
    EXPECT_FALSE(monthly.Matches(Day(2018, 1, 2)));
    CMonthlyHoliday plain(31, false);
    EXPECT_FALSE(plain.Matches(Day(2018, 1, 1)));
}

TEST(HolidayMatch, NthWeekdayOfMonthCoversItsSevenDays) {
    const auto comingOfAge = MwRule(1, 2, 2);  // second Monday of January
    EXPECT_TRUE(comingOfAge->Matches(Day(2024, 1, 8)));
    EXPECT_TRUE(comingOfAge->Matches(Day(2018, 1, 8)));
    EXPECT_TRUE(comingOfAge->Matches(Day(2022, 1, 10)));
    EXPECT_TRUE(comingOfAge->Matches(Day(2017, 1, 9)));
    EXPECT_FALSE(comingOfAge->Matches(Day(2024, 1, 1)));
    EXPECT_FALSE(comingOfAge->Matches(Day(2024, 1, 15)));
    EXPECT_FALSE(comingOfAge->Matches(Day(2024, 2, 12)));
}

TEST(HolidayMatch, FifthWeekdayMatchesOnlyInMonthsThatHaveOne) {
    // May 2024 has five Fridays (31st), February 2024 has four.
    const auto yearly = MwRule(5, 6, 5);
    EXPECT_TRUE(yearly->Matches(Day(2024, 5, 31)));
    EXPECT_FALSE(yearly->Matches(Day(2023, 5, 26)));  // only four Fridays
    CMonthlyWHoliday monthly(6, 5);
    EXPECT_TRUE(monthly.Matches(Day(2024, 5, 31)));
    EXPECT_TRUE(monthly.Matches(Day(2024, 3, 29)));
    for (int day = 1; day <= 29; ++day)
        EXPECT_FALSE(monthly.Matches(Day(2024, 2, day))) << day;
}

TEST(HolidayMatch, WeeklyRuleMatchesEveryOccurrenceOfItsWeekday) {
    CWeeklyHoliday saturdays(7);
    EXPECT_TRUE(saturdays.Matches(Day(2024, 6, 1)));
    EXPECT_TRUE(saturdays.Matches(Day(2024, 6, 29)));
    EXPECT_FALSE(saturdays.Matches(Day(2024, 6, 30)));
}

TEST(HolidayMatch, ValidityPeriodIncludesBothBoundsAsFullDateTimeValues) {
    CWeeklyHoliday rule(7);
    rule.SetStartDate(Day(2016, 12, 3));
    rule.SetEndDate(Day(2016, 12, 31));
    EXPECT_FALSE(rule.Matches(Day(2016, 11, 26)));
    EXPECT_TRUE(rule.Matches(Day(2016, 12, 3)));
    EXPECT_TRUE(rule.Matches(Day(2016, 12, 31)));
    EXPECT_FALSE(rule.Matches(Day(2017, 1, 7)));
    // A start at noon excludes its own day tested at 00:00.
    rule.SetStartDate(COleDateTime(2016, 12, 3, 12, 0, 0));
    EXPECT_FALSE(rule.Matches(Day(2016, 12, 3)));
    EXPECT_TRUE(rule.Matches(Day(2016, 12, 10)));
    // Null or invalid bounds leave that side open.
    rule.SetStartDate(COleDateTime::Invalid());
    rule.SetEndDate(COleDateTime::Null());
    EXPECT_TRUE(rule.Matches(Day(1900, 1, 6)));
    EXPECT_TRUE(rule.Matches(Day(2200, 12, 27)));
}

TEST(HolidayMatch, TransferredMondayMustItselfLieInThePeriod) {
    auto rule = MdRule(5, 3, true);
    rule->SetEndDate(Day(2015, 5, 3));
    EXPECT_TRUE(rule->Matches(Day(2015, 5, 3)));
    EXPECT_FALSE(rule->Matches(Day(2015, 5, 4)));
}

TEST(HolidayMatch, DaysThatAreNotValidNeverMatch) {
    CWeeklyHoliday rule(1);
    EXPECT_FALSE(rule.Matches(COleDateTime::Null()));
    EXPECT_FALSE(rule.Matches(COleDateTime::Invalid()));
    CMonthlyHoliday first(1, false);
    EXPECT_FALSE(first.Matches(COleDateTime(1e9, COleDateTime::valid)));
}

}  // namespace
}  // namespace qb
