#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "CliTestBase.h"

namespace qb {
namespace {

using ImportHolidaysCommandTest = CliTestBase;

// The rule file written is the one the calendar then reads: the imported
// days are holidays, the others stay working days.
TEST_F(ImportHolidaysCommandTest, WritesARuleFileTheCalendarReads) {
    const std::string ics = test::SourcePath("tests/data/ics/holidays.ics");
    const CliRun run = Cli("import-holidays " + Quote(ics) + " " + Quote(PathOf("out.xml")));
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out.substr(0, run.out.find('\n')), "元日\t毎年 1月 1日\t2000/1/1より");
    EXPECT_EQ(run.err, "取り込まなかった予定: 時刻のある予定 1 件、その他 3 件\n");

    const CliRun marks =
        Cli("holidays --from 20271228 --to 20271230 --rules " + Quote(PathOf("out.xml")));
    ASSERT_EQ(marks.status, 0) << marks.err;
    EXPECT_EQ(marks.out, "20271228\t0\n20271229\t1\n20271230\t1\n");
}

TEST_F(ImportHolidaysCommandTest, RefusesBadInputAndWritesNothing) {
    Write("text.ics", "not a calendar");
    Write("empty.ics", "BEGIN:VCALENDAR\r\nEND:VCALENDAR\r\n");
    const std::string out = " " + Quote(PathOf("out.xml"));
    const struct {
        std::string arguments;
        int status;
        const char* err;
    } cases[] = {
        {Quote(PathOf("text.ics")) + out, 1, "iCalendar ファイルではありません。\n"},
        {Quote(PathOf("empty.ics")) + out, 1, "休日ルールにできる終日の予定がありません。\n"},
        {Quote(PathOf("missing.ics")) + out, 1, nullptr},
        {Quote(PathOf("text.ics")), 2, nullptr},
    };
    for (const auto& c : cases) {
        const CliRun run = Cli("import-holidays " + c.arguments);
        EXPECT_EQ(run.status, c.status) << c.arguments;
        if (c.err) {
            EXPECT_EQ(run.err, c.err) << c.arguments;
        }
        EXPECT_FALSE(std::filesystem::exists(PathOf("out.xml"))) << c.arguments;
    }
}

}  // namespace
}  // namespace qb
