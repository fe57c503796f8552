#include "HolidayImport.h"

#include <gtest/gtest.h>

#include "ScriptedPrompt.h"
#include "TestFolder.h"
#include "TestPaths.h"

namespace qb {
namespace {

TEST(HolidayImportTest, ShowsWhatItWillAddAndAddsOnlyWhenAsked) {
    ScriptedPrompt prompt;
    HolidayImport import(prompt);
    ASSERT_TRUE(import.Read(test::SourcePath("tests/data/ics/holidays.ics")));
    ASSERT_EQ(import.Preview().size(), 11u);
    EXPECT_EQ(import.Preview()[1].rule, "毎年 1月第2月曜日");
    EXPECT_EQ(import.Summary(),
              "11 件の休日ルールを追加します。\n時刻のある予定 1 件は取り込みません。\n"
              "休日ルールにできない予定（取り消し済み、長すぎる期間、対応しない繰り返し） 3 "
              "件は取り込みません。");

    HolidayRuleList list(prompt);
    EXPECT_EQ(import.AddTo(list), 0);
    EXPECT_EQ(list.Count(), 11);
    EXPECT_TRUE(list.IsModified());
    EXPECT_TRUE(prompt.Shown().empty());
}

TEST(HolidayImportTest, AFileThatCannotBeUsedIsExplainedAndGivesNothing) {
    TestFolder folder;
    TestFolder::Write(folder.File("bad.ics"), "BEGIN:VCALENDAR\r\nEND:VCALENDAR\r\n");
    TestFolder::Write(folder.File("text.ics"), "not a calendar");
    ScriptedPrompt prompt;
    HolidayImport import(prompt);
    ASSERT_TRUE(import.Read(test::SourcePath("tests/data/ics/holidays.ics")));

    EXPECT_FALSE(import.Read(folder.File("text.ics")));
    EXPECT_EQ(prompt.Shown().back().text,
              "iCalendar ファイルを読み込めませんでした。\r\niCalendar ファイルではありません。");
    EXPECT_EQ(import.Count(), 0) << "the rules read before are dropped";

    EXPECT_FALSE(import.Read(folder.File("bad.ics")));
    EXPECT_EQ(prompt.Shown().back().text,
              "このファイルには、休日ルールにできる終日の予定がありません。");

    prompt.QueueFile(std::nullopt);
    EXPECT_FALSE(import.ChooseAndRead()) << "cancelled";
}

}  // namespace
}  // namespace qb
