#include "ICalendarHolidays.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "HolidayFile.h"
#include "HolidayRules.h"
#include "TestPaths.h"

namespace qb {
namespace {

struct Listed {
    std::string name, rule, period;
    bool operator==(const Listed&) const = default;
};

std::vector<Listed> ListOf(const CHolidayArray& rules) {
    std::vector<Listed> listed;
    rules.ForEach([&listed](const CHoliday& r) {
        listed.push_back(
            {HolidayRules::NameText(r), HolidayRules::RuleText(r), HolidayRules::PeriodText(r)});
    });
    return listed;
}

std::string Calendar(const std::string& events) {
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//t//JA\r\n" + events + "END:VCALENDAR\r\n";
}

std::string AllDay(const std::string& name, const std::string& start,
                   const std::string& more = {}) {
    return "BEGIN:VEVENT\r\nUID:" + name +
           "\r\nDTSTAMP:20261201T000000Z\r\nDTSTART;VALUE=DATE:" + start + "\r\n" + more +
           "SUMMARY:" + name + "\r\nEND:VEVENT\r\n";
}

TEST(ICalendarHolidaysTest, AllDayEventsBecomeRulesAndTheRestIsCounted) {
    ICalendarHolidays reader;
    auto result = reader.Read(test::SourcePath("tests/data/ics/holidays.ics"));
    ASSERT_TRUE(result) << reader.GetError().Describe();
    const std::vector<Listed> expected = {
        {"元日", "毎年 1月 1日", "2000/1/1より"},
        {"成人の日", "毎年 1月第2月曜日", "2000/1/10より"},
        {"創立記念日", "2027年 6月 15日", ""},
        {"年末年始休業", "2027年 12月 29日", ""},
        {"年末年始休業", "2027年 12月 30日", ""},
        {"年末年始休業", "2027年 12月 31日", ""},
        {"年末年始休業", "2028年 1月 1日", ""},
        {"年末年始休業", "2028年 1月 2日", ""},
        {"年末年始休業", "2028年 1月 3日", ""},
        {"夏季休業（三年間）", "毎年 8月 14日", "2026/8/14より 2028/12/31まで"},
        {"旧記念日", "毎年 3月 1日", "2010/3/1より 2019/12/31まで"},
    };
    EXPECT_EQ(ListOf(*result->rules), expected);
    EXPECT_EQ(result->timedEvents, 1);
    EXPECT_EQ(result->unsupportedEvents, 3) << "monthly, the last Monday, a cancelled event";
}

TEST(ICalendarHolidaysTest, EventsNoRuleCanHoldAreLeftOut) {
    struct Case {
        const char* what;
        std::string event;
    };
    const std::vector<Case> cases = {
        {"longer than a year", AllDay("季節", "20270101", "DTEND;VALUE=DATE:20280301\r\n")},
        {"every second year", AllDay("隔年", "20270101", "RRULE:FREQ=YEARLY;INTERVAL=2\r\n")},
        {"a yearly event of two days",
         AllDay("連休", "20270503", "DTEND;VALUE=DATE:20270505\r\nRRULE:FREQ=YEARLY\r\n")},
        {"until before its start",
         AllDay("逆", "20270101", "RRULE:FREQ=YEARLY;UNTIL=20200101\r\n")},
        {"on another month than its start",
         AllDay("別月", "20270101", "RRULE:FREQ=YEARLY;BYMONTH=2\r\n")},
        {"weekly", AllDay("毎週", "20270104", "RRULE:FREQ=WEEKLY\r\n")},
    };
    for (const Case& c : cases) {
        ICalendarHolidays reader;
        auto result = reader.Parse(Calendar(c.event));
        ASSERT_TRUE(result) << c.what << ": " << reader.GetError().Describe();
        EXPECT_EQ(result->rules->GetCount(), 0) << c.what;
        EXPECT_EQ(result->unsupportedEvents, 1) << c.what;
    }
}

// A name is kept as far as a holiday file can hold it, so that the rules
// taken can be saved: control characters become spaces, and bytes that are
// no UTF-8 are read as CP932, the other encoding Japanese calendars come in.
TEST(ICalendarHolidaysTest, ANameBecomesTextAHolidayFileCanHold) {
    const struct {
        std::string summary, name;
    } cases[] = {
        {"a\x01\x02" "b\x7F", "a  b "},
        {"\x8b\x78\x93\xfa", "\xe4\xbc\x91\xe6\x97\xa5"},  // 休日 in CP932
        // F7 leads no UTF-8 sequence, though three bytes follow it.
        {"\xe5\xa4\x8f\xf7\xbc\x88\xef\xbc\x89", "\xe8\x9e\x9f\xe8\xad\xb2\xef\xbd\xbc\xe8\x8c\xa8"
         "\xef\xbd\xbc\xef\xbf\xbd"},
    };
    for (const auto& c : cases) {
        ICalendarHolidays reader;
        auto result = reader.Parse(Calendar(AllDay(c.summary, "20270601")));
        ASSERT_TRUE(result) << reader.GetError().Describe();
        EXPECT_EQ(ListOf(*result->rules)[0].name, c.name) << c.summary;
        std::string bytes;
        EXPECT_TRUE(HolidayFile().FormatHolidays(*result->rules, bytes)) << c.summary;
    }
}

TEST(ICalendarHolidaysTest, SeveralCalendarsInOneFileAreAllRead) {
    ICalendarHolidays reader;
    auto result =
        reader.Parse(Calendar(AllDay("一", "20270601")) + Calendar(AllDay("二", "20270602")));
    ASSERT_TRUE(result) << reader.GetError().Describe();
    EXPECT_EQ(ListOf(*result->rules),
              (std::vector<Listed>{{"一", "2027年 6月 1日", ""}, {"二", "2027年 6月 2日", ""}}));
}

TEST(ICalendarHolidaysTest, WhatIsNoCleanCalendarIsRefusedWithTheReason) {
    struct Case {
        const char* what;
        std::string bytes;
        const char* messageStart;
    };
    const std::vector<Case> cases = {
        {"empty", "", ICalendarHolidays::kNotCalendar},
        {"plain text", "hello\r\n", ICalendarHolidays::kNotCalendar},
        {"an event alone", AllDay("一", "20270601"), ICalendarHolidays::kNotCalendar},
        {"a broken date", Calendar(AllDay("一", "2027XX01")), "iCalendar ファイルの内容に誤り"},
        {"a broken rule", Calendar(AllDay("一", "20270601", "RRULE:FREQ=SOMETIMES\r\n")),
         "iCalendar ファイルの内容に誤り"},
    };
    for (const Case& c : cases) {
        ICalendarHolidays reader;
        EXPECT_FALSE(reader.Parse(c.bytes)) << c.what;
        EXPECT_EQ(reader.GetError().GetCode(), ErrorSlot::kOwnError) << c.what;
        EXPECT_EQ(reader.GetError().GetMessage().rfind(c.messageStart, 0), 0u)
            << c.what << ": " << reader.GetError().GetMessage();
    }
    ICalendarHolidays reader;
    EXPECT_FALSE(reader.Read(test::SourcePath("tests/data/ics/no-such-file.ics")));
    EXPECT_NE(reader.GetError().GetCode(), ErrorSlot::kNone);
}

}  // namespace
}  // namespace qb
