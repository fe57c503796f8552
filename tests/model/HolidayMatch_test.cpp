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

std::unique_ptr<CYmdHoliday> YmdRule(int year, int month, int day) {
    auto rule = std::make_unique<CYmdHoliday>();
    rule->SetYear(year);
    rule->SetMonth(month);
    rule->SetDay(day);
    return rule;
}

// A transferred holiday moves to Monday only from a Sunday, across month and
// year ends. 2015-05-03, 2017-12-31 and 2023-04-30 are Sundays, 2014-05-03 a
// Saturday; May 2024 has five Fridays, May 2023 and February 2024 four.
TEST(HolidayMatch, EachKindOfRuleMatchesItsOwnDays) {
    const auto dated = YmdRule(2019, 5, 1);
    const auto may3 = MdRule(5, 3, true);
    const auto may3Fixed = MdRule(5, 3, false);
    const auto newYearsEve = MdRule(12, 31, true);
    const auto april30 = MdRule(4, 30, true);
    const auto comingOfAge = MwRule(1, 2, 2);  // second Monday of January
    const auto fifthFridayOfMay = MwRule(5, 6, 5);
    const CMonthlyHoliday thirtyFirst(31, true);
    const CMonthlyHoliday thirtyFirstFixed(31, false);
    const CMonthlyWHoliday fifthFriday(6, 5);
    const CWeeklyHoliday saturdays(7);
    struct Case {
        const CHoliday& rule;
        COleDateTime day;
        bool matches;
    };
    const Case cases[] = {
        {*dated, Day(2019, 5, 1), true},
        {*dated, Day(2019, 5, 2), false},
        {*may3, Day(2015, 5, 3), true},
        {*may3, Day(2015, 5, 4), true},
        {*may3, Day(2014, 5, 3), true},
        {*may3, Day(2014, 5, 4), false},
        {*may3Fixed, Day(2015, 5, 4), false},
        {*newYearsEve, Day(2018, 1, 1), true},
        {*april30, Day(2023, 5, 1), true},
        {thirtyFirst, Day(2018, 1, 1), true},
        {thirtyFirst, Day(2018, 1, 2), false},
        {thirtyFirstFixed, Day(2018, 1, 1), false},
        {*comingOfAge, Day(2024, 1, 8), true},
        {*comingOfAge, Day(2024, 1, 1), false},
        {*comingOfAge, Day(2024, 1, 15), false},
        {*comingOfAge, Day(2024, 2, 12), false},
        {*fifthFridayOfMay, Day(2024, 5, 31), true},
        {*fifthFridayOfMay, Day(2023, 5, 26), false},
        {fifthFriday, Day(2024, 5, 31), true},
        {fifthFriday, Day(2024, 3, 29), true},
        {fifthFriday, Day(2024, 2, 23), false},
        {saturdays, Day(2024, 6, 1), true},
        {saturdays, Day(2024, 6, 30), false},
        {saturdays, COleDateTime::Null(), false},
        {saturdays, COleDateTime::Invalid(), false},
        {thirtyFirstFixed, COleDateTime(1e9, COleDateTime::valid), false},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_EQ(cases[i].rule.Matches(cases[i].day), cases[i].matches)
            << "row " << i << ", " << cases[i].day.GetDays();
    }
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
    // A transferred Monday must itself lie in the period.
    auto transferred = MdRule(5, 3, true);
    transferred->SetEndDate(Day(2015, 5, 3));
    EXPECT_TRUE(transferred->Matches(Day(2015, 5, 3)));
    EXPECT_FALSE(transferred->Matches(Day(2015, 5, 4)));
}

}  // namespace
}  // namespace qb
