#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "CDrawPartArray.h"
#include "CMemo.h"
#include "CRowArray.h"
#include "CSchedule.h"
#include "CScheduleArray.h"
#include "CliTestBase.h"
#include "ProjectArchive.h"

namespace qb {
namespace {

COleDateTime Date(int month, int day) {
    return COleDateTime(2026, month, day, 0, 0, 0);
}

// Row 0 "躯体" (20 pixels high); schedules 1 "ｺﾝｸﾘｰﾄ打設" (remark "型枠"),
// 2 "型枠 解体" placed below its row; memo 3 "型枠\r\n確認".
class FindCommandTest : public CliTestBase {
protected:
    FindCommandTest() {
        CProject project;
        auto row = std::make_unique<CRow>(project.NewObjectId());
        row->SetCaption("躯体");
        row->SetHeight(20);
        project.GetRows().Add(std::move(row));
        AddBar(project, "ｺﾝｸﾘｰﾄ打設", "型枠", 0);
        AddBar(project, "型枠 解体", "", 25);
        auto memo = std::make_unique<CMemo>(project.NewObjectId());
        memo->SetYRowId(0);
        memo->SetText("型枠\r\n確認");
        memo->SetXDate(Date(4, 3));
        project.GetDrawParts().Add(std::move(memo));
        Write("plan.qbd", ProjectArchive::WriteProjectArchive(project));
    }
    static void AddBar(CProject& project, const char* caption, const char* remark, int yOffset) {
        auto bar = std::make_unique<CSchedule>(project.NewObjectId());
        bar->SetRowObjectId(0);
        bar->SetCaption(caption);
        bar->SetRemark(remark);
        bar->SetYOffset(yOffset);
        bar->SetStartDate(Date(4, 1));
        bar->SetEndDate(Date(4, 10));
        project.GetSchedules().Add(std::move(bar));
    }
    CliRun Find(const std::string& arguments) {
        return Cli("find " + Quote(PathOf("plan.qbd")) + " " + arguments);
    }
    std::unique_ptr<CProject> Read() const {
        ErrorSlot error;
        return ProjectArchive::ReadProjectArchive(Slurp(PathOf("plan.qbd")), error);
    }
};

TEST_F(FindCommandTest, PrintsOneLinePerEntryInTheWindowsOrder) {
    const struct {
        const char* arguments;
        const char* out;
    } cases[] = {
        {"型枠",
         "1\tｺﾝｸﾘｰﾄ打設\t○\t2026/4/1\t躯体\n2\t型枠 解体\t×\t2026/4/1\t躯体\n"
         "3\t型枠 確認\t○\t2026/4/3\t躯体\n"},
        {"型枠 --captions --memos",
         "2\t型枠 解体\t×\t2026/4/1\t躯体\n"
         "3\t型枠 確認\t○\t2026/4/3\t躯体\n"},
        {"型枠 --overflow-only", "2\t型枠 解体\t×\t2026/4/1\t躯体\n"},
        {"コンクリート --captions", ""},
        {"コンクリート --captions --ignore-width", "1\tｺﾝｸﾘｰﾄ打設\t○\t2026/4/1\t躯体\n"},
        {"'型枠解体' --ignore-spaces --captions", "2\t型枠 解体\t×\t2026/4/1\t躯体\n"},
    };
    for (const auto& c : cases) {
        const CliRun run = Find(c.arguments);
        EXPECT_EQ(run.status, 0) << c.arguments << run.err;
        EXPECT_EQ(run.out, c.out) << c.arguments;
    }
    EXPECT_EQ(Find("型枠 --memo").status, 2);
    EXPECT_EQ(Find("型枠 --memos --memos").status, 2);
    EXPECT_EQ(Cli("find " + Quote(PathOf("missing.qbd")) + " x").status, 1);
}

TEST_F(FindCommandTest, ReplaceRewritesTheChosenTextsAndSaysHowManyObjectsChanged) {
    const CliRun replaced =
        Cli("edit " + Quote(PathOf("plan.qbd")) + " replace 型枠 鋼製型枠 --remarks --memos");
    ASSERT_EQ(replaced.status, 0) << replaced.err;
    EXPECT_EQ(replaced.out, "2\n");
    auto project = Read();
    EXPECT_EQ(project->FindSchedule(1)->GetRemark(), "鋼製型枠");
    EXPECT_EQ(project->FindSchedule(2)->GetCaption(), "型枠 解体");
    EXPECT_EQ(static_cast<const CMemo*>(project->FindDrawPart(3))->GetText(), "鋼製型枠\r\n確認");

    const CliRun none = Cli("edit " + Quote(PathOf("plan.qbd")) + " replace 無い 何か");
    EXPECT_EQ(none.status, 0) << none.err;
    EXPECT_EQ(none.out, "0\n");
    const std::string before = Slurp(PathOf("plan.qbd"));
    EXPECT_EQ(Cli("edit " + Quote(PathOf("plan.qbd")) + " replace '' x").status, 1);
    EXPECT_EQ(Cli("edit " + Quote(PathOf("plan.qbd")) + " replace 型枠").status, 2);
    EXPECT_EQ(Slurp(PathOf("plan.qbd")), before);
}

}  // namespace
}  // namespace qb
