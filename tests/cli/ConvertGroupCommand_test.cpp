#include <gtest/gtest.h>

#include <filesystem>

#include "CSchedule.h"
#include "CliTestBase.h"
#include "ErrorSlot.h"
#include "GroupBytes.h"
#include "ProjectArchive.h"

namespace qb {
namespace {

class ConvertGroupCommandTest : public CliTestBase {
protected:
    ConvertGroupCommandTest() {
        Write("team.group", test::GroupFileBytes("営業", {{"山田", "yamada", 0}}));
        for (const int month : {11, 12}) {
            const double day = COleDateTime(2004, month, 2, 12, 0, 0).GetDays();
            Write("team2004" + std::to_string(month) + ".sch",
                  test::MonthFileBytes({{day, day + 0.125, "yamada", "会議"}}));
        }
    }
    CliRun Convert(const std::string& arguments) const { return Cli("convert-group " + arguments); }
};

TEST_F(ConvertGroupCommandTest, WritesTheMonthsOfThePeriodAsAProject) {
    const CliRun run = Cli("convert-group " + Quote(PathOf("team.group")) +
                           " --from 200412 --to 200501 " + Quote(PathOf("out.qbd")));
    ASSERT_EQ(run.status, 0) << run.err;
    ErrorSlot error;
    const auto project =
        ProjectArchive::ReadProjectArchive(TestFolder::Read(PathOf("out.qbd")), error);
    ASSERT_TRUE(project);
    EXPECT_EQ(project->GetTitle(), "営業");
    EXPECT_EQ(project->GetRows().GetCount(), 1);
    ASSERT_EQ(project->GetSchedules().GetCount(), 1);
}

TEST_F(ConvertGroupCommandTest, RefusalsAndFailures) {
    const std::string out = Quote(PathOf("out.qbd"));
    EXPECT_EQ(Convert(Quote(PathOf("team.group")) + " --from 200413 --to 200501 " + out).status, 2);
    EXPECT_EQ(Convert(Quote(PathOf("team.group")) + " --from 200502 --to 200501 " + out).status, 2);
    const CliRun missing =
        Convert(Quote(PathOf("none.group")) + " --from 200412 --to 200501 " + out);
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("none.group"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(PathOf("out.qbd")));
}

}  // namespace
}  // namespace qb
