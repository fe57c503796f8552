#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "CLink.h"
#include "CMemo.h"
#include "CliTestBase.h"
#include "ProjectArchive.h"

namespace qb {
namespace {

// Links and memos added from the command line as the chart adds them.
class ChartObjectVerbsTest : public CliTestBase {
protected:
    std::string File() const { return Quote(PathOf("plan.qbd")); }
    std::unique_ptr<CProject> Read() const {
        ErrorSlot error;
        return ProjectArchive::ReadProjectArchive(Slurp(PathOf("plan.qbd")), error);
    }
    CliRun Edit(const std::string& arguments) const { return Cli("edit " + File() + arguments); }
    // Row 0 with schedules 1 and 2 on it.
    void MakePlan() {
        ASSERT_EQ(Cli("new " + File()).status, 0);
        ASSERT_EQ(Edit(" add-row --caption 段").out, "0\n");
        ASSERT_EQ(Edit(" add-schedule --row 0 --start 20260401").out, "1\n");
        ASSERT_EQ(Edit(" add-schedule --row 0 --start 20260410").out, "2\n");
    }
};

TEST_F(ChartObjectVerbsTest, LinksAndMemosReachTheFileWithTheChartsDefaults) {
    MakePlan();
    const CliRun link = Edit(" add-link --from 1 --to 2");
    ASSERT_EQ(link.status, 0) << link.err;
    EXPECT_EQ(link.out, "3\n");
    const CliRun memo = Edit(" add-memo --row 0 --date 20260405 --text '打合せ'");
    ASSERT_EQ(memo.status, 0) << memo.err;
    EXPECT_EQ(memo.out, "4\n");
    // A memo can be a link's end too.
    ASSERT_EQ(Edit(" add-link --from 4 --to 1").out, "5\n");

    auto project = Read();
    ASSERT_NE(project, nullptr);
    const CLink* added = project->FindLink(3);
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(added->GetFromId(), 1);
    EXPECT_EQ(added->GetToId(), 2);
    EXPECT_GT(added->GetLinePen().GetWidth(), 0);
    EXPECT_FALSE(added->GetRegistrant().empty());
    const auto* placed = dynamic_cast<const CMemo*>(project->FindDrawPart(4));
    ASSERT_NE(placed, nullptr);
    EXPECT_EQ(placed->GetYRowId(), 0);
    EXPECT_EQ(placed->GetXDate(), COleDateTime(2026, 4, 5, 0, 0, 0));
    EXPECT_EQ(placed->GetText(), "打合せ");
    EXPECT_GT(placed->GetWidth(), 0);
    EXPECT_GT(placed->GetHeight(), 0);
    EXPECT_EQ(project->FindLink(5)->GetFromId(), 4);
}

TEST_F(ChartObjectVerbsTest, RefusalsExitOneAndWrongUsageTwoLeavingTheFile) {
    MakePlan();
    const std::string before = Slurp(PathOf("plan.qbd"));
    struct Case {
        const char* arguments;
        int status;
        const char* message;
    };
    const Case cases[] = {
        {" add-link --from 1 --to 99", 1, "message 193: "},
        {" add-link --from 0 --to 1", 1, "message 193: "},  // a row is no link end
        {" add-link --from 2 --to 2", 1, "同じオブジェクト"},
        {" add-memo --row 9 --date 20260401 --text x", 1, "message 195: "},
        {" add-memo --row 1 --date 20260401 --text x", 1, "message 195: "},
        {" add-link --from 1", 2, "usage"},
        {" add-link --from x --to 2", 2, "usage"},
        {" add-link --from 1 --to 2 --via 3", 2, "usage"},
        {" add-memo --row 0 --date 20260230 --text x", 2, "usage"},
        {" add-memo --row 0 --date 20260401", 2, "usage"},
    };
    for (const Case& c : cases) {
        const CliRun run = Edit(c.arguments);
        EXPECT_EQ(run.status, c.status) << c.arguments;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << c.arguments << ": " << run.err;
        EXPECT_EQ(run.out, "") << c.arguments;
    }
    EXPECT_EQ(Slurp(PathOf("plan.qbd")), before);
}

}  // namespace
}  // namespace qb
