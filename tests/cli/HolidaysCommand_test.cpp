#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "CProject.h"
#include "CYmdHoliday.h"
#include "CliTestBase.h"
#include "ProjectArchive.h"

namespace qb {
namespace {

class HolidaysCommandTest : public CliTestBase {
protected:
    // A project whose own rules make 2019-05-07 a holiday and force
    // 2019-05-06 to be a working day.
    void WriteProject(const std::string& name, bool useSystemHolidays) const {
        CProject project;
        project.SetUseSystemHolidays(useSystemHolidays);
        for (int day : {6, 7}) {
            auto rule = std::make_unique<CYmdHoliday>();
            rule->SetYear(2019);
            rule->SetMonth(5);
            rule->SetDay(day);
            rule->SetForceNotHoliday(day == 6);
            project.GetHolidays().Add(std::move(rule));
        }
        Write(name, ProjectArchive::WriteProjectArchive(project));
    }
};

TEST_F(HolidaysCommandTest, HolidaysPrintsOneMarkPerDayFromTheBuiltInSet) {
    const CliRun run = Cli("holidays --from 20190429 --to 20190507");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out,
              "20190429\t1\n20190430\t1\n20190501\t1\n20190502\t1\n20190503\t1\n"
              "20190504\t1\n20190505\t1\n20190506\t1\n20190507\t0\n");
}

TEST_F(HolidaysCommandTest, ProjectRulesJoinTheSystemRulesAsTheProjectSays) {
    WriteProject("with.qbd", true);
    CliRun run =
        Cli("holidays --to 20190507 --from 20190505 --project '" + PathOf("with.qbd") + "'");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "20190505\t1\n20190506\t-1\n20190507\t1\n");

    WriteProject("without.qbd", false);
    run = Cli("holidays --from 20190429 --to 20190430 --project '" + PathOf("without.qbd") + "'");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "20190429\t0\n20190430\t0\n");
}

TEST_F(HolidaysCommandTest, RulesFileReplacesTheBuiltInSet) {
    Write("sat.xml", "<holidayarray><weeklyholiday dayOfWeek=\"7\"/></holidayarray>");
    const CliRun run =
        Cli("holidays --from 20190503 --to 20190505 --rules '" + PathOf("sat.xml") + "'");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "20190503\t0\n20190504\t1\n20190505\t1\n");
}

TEST_F(HolidaysCommandTest, WrongUsageAndBadDatesExitWithTwo) {
    for (const char* args :
         {"", "--from 20190101", "--from 20190101 --to", "--from 20190101 --to 20190102 --x y",
          "--from 20190230 --to 20190301", "--from 2019010 --to 20190102",
          "--from 20190101x --to 20190102", "--from 20190102 --to 20190101",
          "--from 20190101 --from 20190101 --to 20190102"}) {
        const CliRun run = Cli(std::string("holidays ") + args);
        EXPECT_EQ(run.status, 2) << args;
        EXPECT_NE(run.err.find("usage:"), std::string::npos) << args;
        EXPECT_EQ(run.out, "") << args;
    }
}

TEST_F(HolidaysCommandTest, UnreadableFilesExitWithOneAndAreNotCreated) {
    CliRun run = Cli("holidays --from 20190101 --to 20190102 --rules '" + PathOf("none.xml") + "'");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("休日情報ファイルを読み込めませんでした"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(PathOf("none.xml")));

    Write("broken.xml", "<holidayarray>");
    run = Cli("holidays --from 20190101 --to 20190102 --rules '" + PathOf("broken.xml") + "'");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");

    Write("broken.qbd", "not a project");
    run = Cli("holidays --from 20190101 --to 20190102 --project '" + PathOf("broken.qbd") + "'");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
}

TEST_F(HolidaysCommandTest, WorkingTimePrintsTheSpanInDays) {
    CliRun run = Cli("working-time --from 202406070930 --to 202406101700 --mode 1");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "2.3125\n");
    run = Cli("working-time --from 202406070930 --to 202406101700 --mode 2");
    EXPECT_EQ(run.out, "1.3125\n");
    // Golden week 2024: 5/3 to 5/6 are all off.
    run = Cli("working-time --mode 1 --from 202405020900 --to 202405070900");
    EXPECT_EQ(run.out, "1\n");
    // One minute less than a whole day stays distinguishable.
    run = Cli("working-time --from 202406030000 --to 202406032359 --mode 1");
    EXPECT_EQ(run.out, "0.9993055556\n");
    // Without rules: Thu rest, Fri, Mon, Tue morning.
    Write("none.xml", "<holidayarray/>");
    run = Cli("working-time --from 202405020900 --to 202405070900 --mode 2 --rules '" +
              PathOf("none.xml") + "'");
    EXPECT_EQ(run.out, "3\n");
}

TEST_F(HolidaysCommandTest, WorkingTimeRefusesBadArguments) {
    for (const char* args : {"", "--from 202406070930 --to 202406101700",
                             "--from 202406070930 --to 202406101700 --mode 0",
                             "--from 202406070930 --to 202406101700 --mode 12",
                             "--from 202406072460 --to 202406101700 --mode 1",
                             "--from 20240607 --to 202406101700 --mode 1",
                             "--from 202402300930 --to 202406101700 --mode 1"}) {
        const CliRun run = Cli(std::string("working-time ") + args);
        EXPECT_EQ(run.status, 2) << args;
        EXPECT_EQ(run.out, "") << args;
    }
    const CliRun missing =
        Cli("working-time --from 202406070930 --to 202406101700 --mode 1 --rules '" +
            PathOf("none.xml") + "'");
    EXPECT_EQ(missing.status, 1);
}

}  // namespace
}  // namespace qb
