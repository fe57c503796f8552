#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CliTestBase.h"
#include "ProjectArchive.h"

namespace qb {
namespace {

class EditCommandTest : public CliTestBase {
protected:
    std::string File() const { return Quote(PathOf("plan.qbd")); }
    std::unique_ptr<CProject> Read() const {
        ErrorSlot error;
        return ProjectArchive::ReadProjectArchive(Slurp(PathOf("plan.qbd")), error);
    }
    // A new file with one row (id 0) and one schedule on it (id 1).
    void MakePlan(bool shared) {
        ASSERT_EQ(Cli("new " + File()).status, 0);
        ASSERT_EQ(Cli("edit " + File() + " add-row --caption 段").out, "0\n");
        ASSERT_EQ(Cli("edit " + File() + " add-schedule --row 0 --start 20260401").out, "1\n");
        if (shared) {
            ASSERT_EQ(Cli("edit " + File() + " mode shared").status, 0);
        }
    }
};

TEST_F(EditCommandTest, NewWritesAnEmptySingleModeProjectAndNeverReplacesAFile) {
    const CliRun made = Cli("new " + File());
    ASSERT_EQ(made.status, 0) << made.err;
    auto project = Read();
    ASSERT_NE(project, nullptr);
    EXPECT_FALSE(project->IsShared());
    EXPECT_EQ(project->GetRows().GetCount(), 0);
    EXPECT_EQ(project->GetDataVersion(), CProject::kCurrentVersion);

    Write("plan.qbd", "precious");
    const CliRun again = Cli("new " + File());
    EXPECT_EQ(again.status, 1);
    EXPECT_EQ(Slurp(PathOf("plan.qbd")), "precious");
}

TEST_F(EditCommandTest, EditsReachTheFileAndPrintTheIdsOfNewObjects) {
    MakePlan(false);
    EXPECT_EQ(Cli("edit " + File() + " add-row --caption 子 --parent 0").out, "2\n");
    const CliRun bar = Cli("edit " + File() +
                           " add-schedule --row 2 --start 202604010900 --end 20260405 "
                           "--caption 作業");
    ASSERT_EQ(bar.status, 0) << bar.err;
    EXPECT_EQ(bar.out, "3\n");
    const CliRun set = Cli("edit " + File() + " set 3 weight=5 'remark=a b'");
    ASSERT_EQ(set.status, 0) << set.err;
    EXPECT_EQ(set.out, "");

    auto project = Read();
    ASSERT_NE(project, nullptr);
    EXPECT_FALSE(project->IsShared());
    EXPECT_EQ(project->FindRow(2)->GetParentRow(), project->FindRow(0));
    const CSchedule* schedule = project->FindSchedule(3);
    ASSERT_NE(schedule, nullptr);
    EXPECT_EQ(schedule->GetStartOffset(), 3750);  // 09:00
    EXPECT_EQ(schedule->GetEndOffset(), 9999);
    EXPECT_EQ(schedule->GetWeight(), 5);
    EXPECT_EQ(schedule->GetRemark(), "a b");
    EXPECT_EQ(project->FindSchedule(1)->GetEndDate(), project->FindSchedule(1)->GetStartDate());

    ASSERT_EQ(Cli("edit " + File() + " delete 0").status, 0);
    project = Read();
    EXPECT_EQ(project->GetRows().GetCount(), 0);
    EXPECT_EQ(project->GetSchedules().GetCount(), 0);
    EXPECT_EQ(project->GetLastObjectId(), 4);
}

TEST_F(EditCommandTest, RefusalsExitOneWithTheMessageAndLeaveTheFile) {
    MakePlan(true);
    const std::string before = Slurp(PathOf("plan.qbd"));
    const CliRun gone = Cli("edit " + File() + " add-schedule --row 9 --start 20260401");
    EXPECT_EQ(gone.status, 1);
    EXPECT_NE(gone.err.find("message 195: "), std::string::npos) << gone.err;
    const CliRun parent = Cli("edit " + File() + " add-row --caption x --parent 1");
    EXPECT_EQ(parent.status, 1);
    EXPECT_NE(parent.err.find("message 199: "), std::string::npos) << parent.err;
    const CliRun bad = Cli("edit " + File() + " set 1 weight=heavy");
    EXPECT_EQ(bad.status, 1);
    EXPECT_NE(bad.err.find("weight"), std::string::npos) << bad.err;
    EXPECT_EQ(Cli("edit " + File() + " delete 77").status, 1);
    EXPECT_EQ(Slurp(PathOf("plan.qbd")), before);

    // The mode travels with the file.
    EXPECT_TRUE(Read()->IsShared());
    const CliRun single = Cli("edit " + File() + " mode single");
    ASSERT_EQ(single.status, 0) << single.err;
    EXPECT_FALSE(Read()->IsShared());
    EXPECT_EQ(Read()->GetSchedules().GetCount(), 1);
}

TEST_F(EditCommandTest, WrongUsageExitsTwoAndTouchesNothing) {
    MakePlan(false);
    const std::string before = Slurp(PathOf("plan.qbd"));
    for (const char* arguments :
         {" add-row", " add-row --caption", " add-schedule --row 0 --start 20260230",
          " add-schedule --row x --start 20260401", " set 1", " set 1 =3", " delete", " delete -1",
          " mode both", " frobnicate"}) {
        EXPECT_EQ(Cli("edit " + File() + arguments).status, 2) << arguments;
    }
    EXPECT_EQ(Cli("edit").status, 2);
    EXPECT_EQ(Slurp(PathOf("plan.qbd")), before);
}

TEST_F(EditCommandTest, DamagedMissingProtectedOrNewerFilesAreLeftAsTheyAre) {
    Write("plan.qbd", std::string("QBRD\x01\x02garbage", 14));
    const CliRun damaged = Cli("edit " + File() + " add-row --caption x");
    EXPECT_EQ(damaged.status, 1);
    EXPECT_NE(damaged.err.find("message "), std::string::npos);
    EXPECT_EQ(Slurp(PathOf("plan.qbd")), std::string("QBRD\x01\x02garbage", 14));

    const CliRun missing = Cli("edit " + Quote(PathOf("none.qbd")) + " add-row --caption x");
    EXPECT_EQ(missing.status, 1);
    EXPECT_FALSE(std::filesystem::exists(PathOf("none.qbd")));

    // Protected or newer files are not edited.
    CProject newer;
    newer.SetAvailableVersion(300);
    Write("plan.qbd", ProjectArchive::WriteProjectArchive(newer));
    const CliRun tooNew = Cli("edit " + File() + " add-row --caption x");
    EXPECT_EQ(tooNew.status, 1);
    EXPECT_NE(tooNew.err.find("3.0"), std::string::npos) << tooNew.err;

    CProject locked;
    locked.SetEditPassword("0CC175B9C0F1B6A831C399E269772661");
    const std::string bytes = ProjectArchive::WriteProjectArchive(locked);
    Write("plan.qbd", bytes);
    EXPECT_EQ(Cli("edit " + File() + " add-row --caption x").status, 1);
    EXPECT_EQ(Slurp(PathOf("plan.qbd")), bytes);
}

// Rows and columns from a script: the lines of a text file, as the bulk
// insertion dialog takes them, a new row height set on the project first.
TEST_F(EditCommandTest, RowsColumnsAndCellsBuiltFromAScriptReachTheFile) {
    MakePlan(false);
    const CliRun height = Cli("edit " + File() + " set project _DefRowHeight=60 title=計画");
    ASSERT_EQ(height.status, 0) << height.err;
    Write("lines.txt",
          "\xEF\xBB\xBF"
          "設計\r\n\r\n製作\\n前半\n検査\\\\\r");
    const std::string lines = Quote(PathOf("lines.txt"));
    const CliRun above = Cli("edit " + File() + " insert-rows --text-file " + lines + " --above 0");
    ASSERT_EQ(above.status, 0) << above.err;
    EXPECT_EQ(above.out, "2\n3\n4\n");
    const CliRun appended = Cli("edit " + File() + " insert-rows --text-file " + lines);
    EXPECT_EQ(appended.out, "5\n6\n7\n");

    const CliRun column = Cli("edit " + File() + " add-column --caption 担当 --width 90");
    ASSERT_EQ(column.status, 0) << column.err;
    EXPECT_EQ(column.out, "8\n");
    EXPECT_EQ(Cli("edit " + File() + " add-column --caption 開始 --kind 1").out, "9\n");
    const CliRun cell = Cli("edit " + File() + " set-cell 3 8 '佐藤 一郎'");
    ASSERT_EQ(cell.status, 0) << cell.err;
    const CliRun computed = Cli("edit " + File() + " set-cell 3 9 x");
    EXPECT_EQ(computed.status, 1);
    EXPECT_FALSE(computed.err.empty());

    auto project = Read();
    ASSERT_NE(project, nullptr);
    EXPECT_EQ(project->GetTitle(), "計画");
    EXPECT_EQ(project->GetParamInt("_DefRowHeight", 0), 60);
    std::vector<std::string> captions;
    project->GetRows().ForEach([&](const CRow& row) { captions.push_back(row.GetCaption()); });
    EXPECT_EQ(captions, (std::vector<std::string>{"設計", "製作\r\n前半", "検査\\", "段", "設計",
                                                  "製作\r\n前半", "検査\\"}));
    EXPECT_EQ(project->FindRow(3)->GetHeight(), 60);
    EXPECT_EQ(project->FindRow(3)->GetParam("_c8"), "佐藤 一郎");
    EXPECT_FALSE(project->FindRow(3)->HasParam("_c9"));
    EXPECT_EQ(project->GetColumns().At(0)->GetWidth(), 90);
    EXPECT_EQ(project->GetColumns().At(1)->GetParamInt("_Auto", 0), 1);
}

TEST_F(EditCommandTest, RowAndColumnVerbsRefuseWhatTheyCannotDo) {
    MakePlan(true);
    const std::string before = Slurp(PathOf("plan.qbd"));
    Write("lines.txt", "a\nb\n");
    const std::string lines = Quote(PathOf("lines.txt"));
    const struct {
        const char* arguments;
        int status;
    } cases[] = {
        {" insert-rows", 2},
        {" insert-rows --text-file", 2},
        {" insert-rows --above 0", 2},
        {" add-column", 2},
        {" add-column --caption x --kind 12", 2},
        {" add-column --caption x --kind -1", 2},
        {" add-column --caption x --width 9", 2},
        {" set-cell 0 5", 2},
        {" set-cell 0 x y", 2},
        {" set project", 2},
        {" set project shared=false", 1},
        {" set project lastObjectId=0", 1},
        {" set project nosuch=1", 1},
        {" set-cell 0 77 x", 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Cli("edit " + File() + c.arguments).status, c.status) << c.arguments;
    EXPECT_EQ(Cli("edit " + File() + " insert-rows --text-file " + lines + " --above 9").status, 1);
    EXPECT_EQ(
        Cli("edit " + File() + " insert-rows --text-file " + Quote(PathOf("none.txt"))).status, 1);
    Write("latin1.txt", "caf\xE9\n");
    const CliRun latin1 =
        Cli("edit " + File() + " insert-rows --text-file " + Quote(PathOf("latin1.txt")));
    EXPECT_EQ(latin1.status, 1);
    EXPECT_NE(latin1.err.find("UTF-8"), std::string::npos) << latin1.err;
    EXPECT_EQ(Slurp(PathOf("plan.qbd")), before);

    // A row gone: nothing inserted under it.
    ASSERT_EQ(Cli("edit " + File() + " delete 0").status, 0);
    EXPECT_EQ(Cli("edit " + File() + " insert-rows --text-file " + lines + " --above 0").status, 1);
    EXPECT_EQ(Read()->GetRows().GetCount(true), 0);
}

}  // namespace
}  // namespace qb
