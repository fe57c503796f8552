#include "HolidayRules.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

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

std::unique_ptr<CYmdHoliday> Dated(int year, int month, int day, bool forced = false) {
    auto rule = std::make_unique<CYmdHoliday>();
    rule->SetYear(year);
    rule->SetMonth(month);
    rule->SetDay(day);
    rule->SetForceNotHoliday(forced);
    return rule;
}

std::unique_ptr<CMdHoliday> Yearly(int month, int day) {
    auto rule = std::make_unique<CMdHoliday>();
    rule->SetMonth(month);
    rule->SetDay(day);
    return rule;
}

std::unique_ptr<CMwHoliday> NthWeekday(int month, int dayOfWeek, int weekNo) {
    auto rule = std::make_unique<CMwHoliday>();
    rule->SetMonth(month);
    rule->SetDayOfWeek(dayOfWeek);
    rule->SetWeekNo(weekNo);
    return rule;
}

// Without order a forced working rule wins wherever it stands; with order the
// last matching rule wins.
TEST(HolidayRulesEvaluate, ForcedWorkingWinsWithoutOrderAndTheLastMatchWithIt) {
    CHolidayArray empty;
    EXPECT_EQ(HolidayRules::Evaluate(nullptr, Day(2024, 1, 1), false), 0);
    EXPECT_EQ(HolidayRules::Evaluate(&empty, Day(2024, 1, 1), true), 0);
    CHolidayArray forcedFirst;
    forcedFirst.Add(Dated(2024, 5, 3, true));
    forcedFirst.Add(Yearly(5, 3));
    EXPECT_EQ(HolidayRules::Evaluate(&forcedFirst, Day(2024, 5, 3), false), -1);
    EXPECT_EQ(HolidayRules::Evaluate(&forcedFirst, Day(2024, 5, 4), false), 0);
    EXPECT_EQ(HolidayRules::Evaluate(&forcedFirst, Day(2024, 5, 3), true), 1);
    CHolidayArray forcedLast;
    forcedLast.Add(Yearly(5, 3));
    forcedLast.Add(Dated(2024, 5, 3, true));
    EXPECT_EQ(HolidayRules::Evaluate(&forcedLast, Day(2024, 5, 3), false), -1);
    EXPECT_EQ(HolidayRules::Evaluate(&forcedLast, Day(2024, 5, 3), true), -1);
    EXPECT_EQ(HolidayRules::Evaluate(&forcedLast, Day(2025, 5, 3), true), 1);
}

TEST(HolidayRulesEvaluate, DeletedRulesTakeNoPart) {
    CHolidayArray rules;
    rules.Add(Dated(2024, 5, 3, true));
    rules.At(0)->SetDeleted(true);
    rules.Add(Yearly(5, 3));
    EXPECT_EQ(HolidayRules::Evaluate(&rules, Day(2024, 5, 3), false), 1);
    rules.At(1)->SetDeleted(true);
    EXPECT_EQ(HolidayRules::Evaluate(&rules, Day(2024, 5, 3), false), 0);
}

TEST(HolidayRulesSort, HigherKindsComeFirstThenTheirDates) {
    CHolidayArray rules;
    rules.Add(Dated(2024, 5, 3));
    rules.Add(Dated(2023, 12, 31));
    rules.Add(Yearly(11, 3));
    rules.Add(Yearly(1, 1));
    rules.Add(NthWeekday(9, 2, 3));
    rules.Add(NthWeekday(1, 2, 2));
    rules.Add(NthWeekday(1, 1, 2));
    rules.Add(std::make_unique<CMonthlyHoliday>(20));
    rules.Add(std::make_unique<CMonthlyHoliday>(1));
    rules.Add(std::make_unique<CMonthlyWHoliday>(3, 2));
    rules.Add(std::make_unique<CMonthlyWHoliday>(6, 1));
    rules.Add(std::make_unique<CWeeklyHoliday>(7));
    rules.Add(std::make_unique<CWeeklyHoliday>(1));
    HolidayRules::SortRules(rules);

    std::vector<std::string> texts;
    rules.ForEach([&](const CHoliday& rule) { texts.push_back(HolidayRules::RuleText(rule)); });
    const std::vector<std::string> expected = {
        "毎週 土曜日",  // equal weekly rules keep their order
        "毎週 日曜日",  "毎月 第1金曜日",    "毎月 第2火曜日",    "毎月 1日",
        "毎月 20日",    "毎年 1月第2日曜日", "毎年 1月第2月曜日", "毎年 9月第3月曜日",
        "毎年 1月 1日", "毎年 11月 3日",     "2023年 12月 31日",  "2024年 5月 3日",
    };
    EXPECT_EQ(texts, expected);
}

TEST(HolidayRulesSort, SortingKeepsEmptySlotsAndListening) {
    CHolidayArray rules;
    rules.Add(Dated(2024, 5, 3));
    rules.Add(Yearly(1, 1));
    rules.SetSize(3);
    HolidayRules::SortRules(rules);
    ASSERT_EQ(rules.GetCount(), 3);
    EXPECT_EQ(rules.At(0)->GetType(), CData::kMdHoliday);
    EXPECT_EQ(rules.At(1)->GetType(), CData::kYmdHoliday);
    EXPECT_EQ(rules.At(2), nullptr);
    EXPECT_NE(rules.Find(rules.At(0)), -1);
}

TEST(HolidayRulesText, PeriodShowsWhicheverBoundsAreValid) {
    auto rule = Yearly(1, 1);
    EXPECT_EQ(HolidayRules::PeriodText(*rule), "");
    rule->SetStartDate(Day(2000, 1, 15));
    EXPECT_EQ(HolidayRules::PeriodText(*rule), "2000/1/15より");
    rule->SetEndDate(Day(2016, 12, 31));
    EXPECT_EQ(HolidayRules::PeriodText(*rule), "2000/1/15より 2016/12/31まで");
    rule->SetStartDate(COleDateTime::Invalid());
    EXPECT_EQ(HolidayRules::PeriodText(*rule), "2016/12/31まで");
}

}  // namespace
}  // namespace qb
