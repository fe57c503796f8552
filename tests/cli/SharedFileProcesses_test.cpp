// Several copies of the tool editing one shared file at once, and a file
// held by another process; slow, so a quick run can leave them out.
#include <gtest/gtest.h>

#include <set>

#include "CProjectFile.h"
#include "CliTestBase.h"
#include "ProjectArchive.h"
#include "TestPaths.h"

namespace qb {
namespace {

using SharedFileProcessesTest = CliTestBase;

TEST_F(SharedFileProcessesTest, SeveralProgramsEditingASharedFileTogetherLoseNothing) {
    const std::string file = Quote(PathOf("plan.qbd"));
    ASSERT_EQ(Cli("new " + file).status, 0);
    ASSERT_EQ(Cli("edit " + file + " add-row --caption 段").status, 0);
    ASSERT_EQ(Cli("edit " + file + " add-schedule --row 0 --start 20260401").status, 0);
    ASSERT_EQ(Cli("edit " + file + " mode shared").status, 0);
    std::string script;
    for (int p = 0; p < 4; ++p) {
        script += "( for i in 1 2 3 4 5 6 7 8; do " + Quote(CliProgram()) + " edit " + file +
                  " add-schedule --row 0 --start 20260401 --caption " + std::to_string(p) +
                  "-$i || echo failed; done ) & ";
    }
    script += "wait";
    const std::string log = Quote(PathOf("together.log"));
    ASSERT_EQ(std::system(("sh -c " + Quote(script) + " >" + log + " 2>&1").c_str()), 0);
    EXPECT_EQ(Slurp(PathOf("together.log")).find("failed"), std::string::npos)
        << Slurp(PathOf("together.log"));
    ErrorSlot error;
    auto project = ProjectArchive::ReadProjectArchive(Slurp(PathOf("plan.qbd")), error);
    ASSERT_NE(project, nullptr);
    std::set<std::int32_t> ids;
    project->GetSchedules().ForEach(
        [&](const CSchedule& schedule) { ids.insert(schedule.GetObjectId()); });
    EXPECT_EQ(ids.size(), 33u);
    EXPECT_EQ(project->GetSchedules().GetCount(), 33);
}

// The tool waits out its whole retry policy before it gives up.
TEST_F(SharedFileProcessesTest, AFileHeldInSingleModeFailsWith191AndStaysUnchanged) {
    const std::string file = Quote(PathOf("plan.qbd"));
    ASSERT_EQ(Cli("new " + file).status, 0);
    const std::string before = Slurp(PathOf("plan.qbd"));
    CProjectFile holder(PathOf("plan.qbd"));
    ASSERT_NE(holder.Load(true), nullptr);
    const CliRun run = Cli("edit " + file + " add-row --caption late");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("message 191: "), std::string::npos) << run.err;
    EXPECT_EQ(run.out, "");
    holder.Lock(nullptr);
    EXPECT_EQ(Slurp(PathOf("plan.qbd")), before);
}

}  // namespace
}  // namespace qb
