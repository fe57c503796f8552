#include "HolidayRuleList.h"

#include <gtest/gtest.h>

#include "CMdHoliday.h"
#include "CWeeklyHoliday.h"
#include "CYmdHoliday.h"
#include "HolidayRuleValues.h"
#include "ScriptedPrompt.h"

namespace qb {
namespace {

HolidayRuleValues Once(const char* name, int year, int month, int day) {
    HolidayRuleValues v;
    v.name = name;
    v.year = year;
    v.month = month;
    v.day = day;
    return v;
}

class HolidayRuleListTest : public ::testing::Test {
protected:
    int Add(const HolidayRuleValues& values) { return list_.Add(*values.ToRule()); }
    std::string Names() const {
        std::string names;
        for (int i = 0; i < list_.Count(); ++i)
            names += list_.Rule(i).GetName();
        return names;
    }

    ScriptedPrompt prompt_;
    HolidayRuleList list_{prompt_};
};

// Every kind goes through the dialog's values and back unchanged.
TEST(HolidayRuleValues, EveryKindRoundTripsThroughTheDialogValues) {
    struct Case {
        int repeat;
        bool byWeekday;
        int type;
        const char* ruleText;
    };
    const Case cases[] = {
        {HolidayRuleValues::kOnce, false, CData::kYmdHoliday, "2027年 5月 6日"},
        {HolidayRuleValues::kYearly, false, CData::kMdHoliday, "毎年 5月 6日"},
        {HolidayRuleValues::kYearly, true, CData::kMwHoliday, "毎年 5月第2月曜日"},
        {HolidayRuleValues::kMonthly, false, CData::kMonthlyHoliday, "毎月 6日"},
        {HolidayRuleValues::kMonthly, true, CData::kMonthlyWHoliday, "毎月 第2月曜日"},
        {HolidayRuleValues::kWeekly, false, CData::kWeeklyHoliday, "毎週 月曜日"},
    };
    ScriptedPrompt prompt;
    for (const Case& c : cases) {
        HolidayRuleValues v = Once("創立記念日", 2027, 5, 6);
        v.repeat = c.repeat;
        v.byWeekday = c.byWeekday;
        v.weekNo = 2;
        v.dayOfWeek = 2;
        v.transferBySunday = v.CanTransfer();
        v.forceNotHoliday = c.type == CData::kWeeklyHoliday;
        v.startDate = COleDateTime(2027, 1, 1, 0, 0, 0);
        std::unique_ptr<CHoliday> rule = v.ToRule();
        EXPECT_EQ(rule->GetType(), c.type);
        HolidayRuleList list(prompt);
        ASSERT_EQ(list.Add(*rule), 0);
        const HolidayRuleList::Row row = list.RowText(0);
        EXPECT_EQ(row.name, "創立記念日");
        EXPECT_EQ(row.rule,
                  std::string(c.ruleText) + (v.forceNotHoliday ? " を休日表示しない" : ""));
        EXPECT_EQ(row.period, "2027/1/1より");

        const HolidayRuleValues back = HolidayRuleValues::FromRule(*rule);
        EXPECT_EQ(back.repeat, c.repeat);
        EXPECT_EQ(back.byWeekday, c.byWeekday);
        EXPECT_EQ(back.ToRule()->GetType(), c.type);
        EXPECT_EQ(HolidayRuleList::Problem(*back.ToRule()), "");
        EXPECT_EQ(back.transferBySunday, v.transferBySunday);
    }
}

TEST_F(HolidayRuleListTest, ValuesThatNameNoDayOrAReversedPeriodAreRefused) {
    EXPECT_EQ(Add(Once("a", 2027, 2, 29)), -1);
    EXPECT_EQ(prompt_.Shown().back().icon, PromptIcon::kWarning);
    HolidayRuleValues leap = Once("b", 0, 2, 29);
    leap.repeat = HolidayRuleValues::kYearly;
    EXPECT_EQ(Add(leap), 0) << "29 February comes every leap year";
    leap.day = 30;
    EXPECT_EQ(Add(leap), -1);
    HolidayRuleValues week = Once("c", 0, 1, 1);
    week.repeat = HolidayRuleValues::kMonthly;
    week.byWeekday = true;
    week.weekNo = 6;
    EXPECT_EQ(Add(week), -1);
    HolidayRuleValues reversed = Once("d", 2027, 5, 6);
    reversed.startDate = COleDateTime(2027, 6, 1, 0, 0, 0);
    reversed.endDate = COleDateTime(2027, 5, 31, 0, 0, 0);
    EXPECT_EQ(Add(reversed), -1);
    reversed.endDate = reversed.startDate;
    EXPECT_EQ(Add(reversed), 1) << "a period of one day";
    EXPECT_EQ(Names(), "bd");
}

TEST_F(HolidayRuleListTest, ChangeMayChangeTheKindAndKeepsTheObjectId) {
    CHolidayArray stored;
    std::unique_ptr<CHoliday> rule = Once("a", 2027, 5, 6).ToRule();
    rule->SetObjectId(42);
    stored.Add(std::move(rule));
    list_.Assign(stored);
    HolidayRuleValues weekly = Once("w", 0, 1, 1);
    weekly.repeat = HolidayRuleValues::kWeekly;
    weekly.dayOfWeek = 7;
    ASSERT_TRUE(list_.Change(0, *weekly.ToRule()));
    EXPECT_EQ(list_.Rule(0).GetType(), CData::kWeeklyHoliday);
    EXPECT_EQ(list_.Rule(0).GetObjectId(), 42);
    EXPECT_FALSE(list_.Change(0, *Once("bad", 2027, 13, 1).ToRule()));
    EXPECT_EQ(list_.Rule(0).GetName(), "w");
}

TEST_F(HolidayRuleListTest, DeleteAndSortAskFirstAndMovesStopAtTheEnds) {
    Add(Once("a", 2027, 5, 6));
    HolidayRuleValues weekly = Once("b", 0, 1, 1);
    weekly.repeat = HolidayRuleValues::kWeekly;
    Add(weekly);
    Add(Once("", 2026, 1, 1));
    list_.SetModified(false);

    EXPECT_EQ(list_.MoveUp(0), 0);
    EXPECT_EQ(list_.MoveDown(2), 2);
    EXPECT_FALSE(list_.IsModified());
    prompt_.QueueAnswer(PromptAnswer::kCancel);
    EXPECT_FALSE(list_.Sort());
    EXPECT_EQ(Names(), "ab");
    EXPECT_TRUE(list_.Sort());
    EXPECT_EQ(Names(), "ba") << "weekly first, then one-off dates by date";
    EXPECT_EQ(list_.RowText(1).name, "<名称未設定>");
    EXPECT_EQ(list_.MoveUp(2), 1);
    EXPECT_EQ(Names(), "ba");
    EXPECT_EQ(list_.Rule(1).GetName(), "a");

    prompt_.QueueAnswer(PromptAnswer::kNo);
    EXPECT_FALSE(list_.Delete(0));
    EXPECT_EQ(prompt_.Shown().back().text, "休日ルール「b」を削除してよろしいですか？");
    EXPECT_TRUE(list_.Delete(0));
    EXPECT_EQ(list_.Count(), 2);
    EXPECT_TRUE(list_.IsModified());
}

}  // namespace
}  // namespace qb
