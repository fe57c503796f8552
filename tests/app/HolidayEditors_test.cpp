#include <gtest/gtest.h>

#include "AppTestBase.h"
#include "CCommandHandler.h"
#include "CYmdHoliday.h"
#include "CommandIds.h"
#include "DocumentCommands.h"
#include "HolidayFile.h"
#include "HolidayFileForm.h"
#include "HolidayRuleValues.h"
#include "ProjectHolidayForm.h"
#include "SideEditorCommands.h"

namespace qb {
namespace {

std::unique_ptr<CHoliday> CompanyHoliday(int day) {
    HolidayRuleValues v;
    v.name = "創立記念日";
    v.year = 2027;
    v.month = 5;
    v.day = day;
    return v.ToRule();
}

class HolidayEditorsTest : public AppTestBase {
protected:
    std::string OpenProject() {
        const std::string path = WriteProject("p.qbd");
        EXPECT_TRUE(status_->Commands().Documents().OpenDocument(path));
        return path;
    }
    int ProjectRules() const { return status_->GetProject()->GetHolidays().GetCount(true); }
};

TEST_F(HolidayEditorsTest, FileRulesRoundTripAndAFailedReadKeepsTheList) {
    const std::string path = folder_.File("company.xml");
    HolidayFileForm form(prompt_, folder_.File("Holidays.xml"));
    EXPECT_EQ(form.Title(), "休日ファイルエディタ");
    ASSERT_EQ(form.List().Add(*CompanyHoliday(6)), 0);
    prompt_.QueueFile(path);
    ASSERT_TRUE(form.Save());
    EXPECT_EQ(form.Title(), "休日ファイルエディタ - company.xml");
    EXPECT_FALSE(form.SavedSystemFile());

    HolidayFileForm again(prompt_, {});
    ASSERT_TRUE(again.OpenPath(path));
    ASSERT_EQ(again.List().Count(), 1);
    EXPECT_EQ(again.List().RowText(0).rule, "2027年 5月 6日");

    TestFolder::Write(folder_.File("broken.xml"), "<holidayarray>");
    again.List().Add(*CompanyHoliday(7));
    prompt_.QueueAnswer(PromptAnswer::kNo);
    EXPECT_FALSE(again.OpenPath(folder_.File("broken.xml")));
    EXPECT_EQ(
        prompt_.Shown().back().text.rfind(
            "エラーが発生したため、休日情報ファイルを読み込めませんでした。\r\nエラーの詳細：", 0),
        0u);
    EXPECT_EQ(again.List().Count(), 2);
    EXPECT_EQ(again.Path(), path);

    prompt_.QueueAnswer(PromptAnswer::kCancel);
    EXPECT_FALSE(again.Close());
    EXPECT_EQ(prompt_.Shown().back().text,
              "現在のデータは変更されています。閉じる前にデータをファイルに保存しますか？");
}

// Saving the system holiday file has the calendar read it again.
TEST_F(HolidayEditorsTest, SavingTheSystemFileReloadsTheSystemRules) {
    const std::string system = folder_.File("system.xml");
    status_->Services().Settings().calendar.masterHoliday = system;
    SideEditorCommands& editors =
        SideEditorCommands::Attach(*status_, {nullptr, [&](HolidayFileForm& form) {
                                                  form.List().Add(*CompanyHoliday(6));
                                                  prompt_.QueueFile(system);
                                                  ASSERT_TRUE(form.SaveAs());
                                              }});
    ASSERT_TRUE(status_->Commands().State(cmd::kHolidayEditor).enabled);
    editors.EditHolidayFile();
    ASSERT_NE(status_->Services().MasterHolidays(), nullptr);
    EXPECT_EQ(status_->Services().MasterHolidays()->GetCount(true), 1);
}

// The rules change in one edit step; like the project's other own values,
// undo leaves them as they are now.
TEST_F(HolidayEditorsTest, ProjectRulesChangeInOneEditStep) {
    OpenProject();
    ASSERT_TRUE(status_->Commands().Execute(cmd::kViewMonth));
    auto first = CompanyHoliday(6);
    status_->GetProject()->GetHolidays().Add(std::move(first));
    const int before = ProjectRules();
    const std::size_t steps = status_->Undo().UndoCount();

    ProjectHolidayForm form(status_->Doc(), status_->Edit(), prompt_);
    ASSERT_EQ(form.List().Count(), before);
    form.List().Add(*CompanyHoliday(7));
    form.List().Add(*CompanyHoliday(8));
    prompt_.QueueAnswer(PromptAnswer::kYes);
    EXPECT_TRUE(form.List().Delete(0));
    EXPECT_EQ(ProjectRules(), before) << "nothing reaches the project before it is applied";

    prompt_.QueueAnswer(PromptAnswer::kYes);
    ASSERT_TRUE(form.Close());
    EXPECT_EQ(prompt_.Shown().back().text,
              "編集した休日情報をプロジェクトに反映してよろしいですか。（いいえをクリックすると、"
              "変更内容を破棄します）");
    const CHolidayArray& rules = status_->GetProject()->GetHolidays();
    ASSERT_EQ(ProjectRules(), 2);
    EXPECT_EQ(static_cast<const CYmdHoliday&>(*rules.At(0)).GetDay(), 7);
    EXPECT_GT(rules.At(1)->GetObjectId(), 0) << "new rules take ids of the project";
    EXPECT_TRUE(status_->Doc().IsModified());

    EXPECT_EQ(status_->Undo().UndoCount(), steps + 1);
    ASSERT_TRUE(status_->Commands().Execute(cmd::kUndo));
    EXPECT_EQ(status_->Undo().UndoCount(), steps);
    EXPECT_EQ(ProjectRules(), 2) << "undo keeps the rules as they are now";
    ASSERT_TRUE(status_->Commands().Execute(cmd::kRedo));
    EXPECT_EQ(ProjectRules(), 2);
}

TEST_F(HolidayEditorsTest, DiscardedOrCancelledProjectChangesLeaveTheProjectAlone) {
    OpenProject();
    ProjectHolidayForm form(status_->Doc(), status_->Edit(), prompt_);
    form.List().Add(*CompanyHoliday(7));
    prompt_.QueueAnswer(PromptAnswer::kCancel);
    EXPECT_FALSE(form.Close());
    prompt_.QueueAnswer(PromptAnswer::kNo);
    EXPECT_TRUE(form.Close());
    EXPECT_EQ(ProjectRules(), 0);
    EXPECT_FALSE(status_->Doc().IsModified());

    SideEditorCommands::Attach(*status_, {});
    EXPECT_TRUE(status_->Commands().State(SideEditorCommands::kProjectHolidayEditor).enabled);
    status_->Doc().SetReadOnly(true);
    EXPECT_FALSE(status_->Commands().State(SideEditorCommands::kProjectHolidayEditor).enabled);
}

}  // namespace
}  // namespace qb
