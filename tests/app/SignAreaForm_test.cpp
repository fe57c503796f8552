#include "SignAreaForm.h"

#include <sys/stat.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "CCommandHandler.h"
#include "CommandIds.h"
#include "EditFixture.h"
#include "ScriptedDialogs.h"
#include "SignAreaFile.h"
#include "Unprivileged.h"

namespace qb {
namespace {

class SignAreaFormTest : public test::EditTest {
protected:
    ScriptedPrompt& Prompt() { return me.prompt; }
    std::string LastText() {
        return Prompt().Shown().empty() ? std::string() : Prompt().Shown().back().text;
    }
    // Three areas saved to a file of the folder.
    void SaveThree(SignAreaForm& form, const std::string& path) {
        form.Add("担当");
        form.Add("課長");
        form.Add("部長");
        Prompt().QueueFile(path);
        ASSERT_TRUE(form.Save());
    }
};

TEST_F(SignAreaFormTest, AreasRoundTripThroughAFileInTheirOrderWithTheirLineBreaks) {
    SignAreaForm form(me.status);
    EXPECT_EQ(form.FileName(), "無題");
    EXPECT_EQ(form.Add("担当"), 0);
    EXPECT_EQ(form.Add("課長\r\n印"), 1);
    EXPECT_EQ(form.Add(""), 2);
    EXPECT_EQ(form.Add("部長"), 3);
    EXPECT_EQ(form.MoveUp(3), 2);
    EXPECT_EQ(form.MoveUp(0), 0) << "the first stays first";
    EXPECT_EQ(form.MoveDown(3), 3) << "the last stays last";
    ASSERT_TRUE(form.SetText(0, "係長"));
    ASSERT_TRUE(form.Remove(3));
    EXPECT_TRUE(form.IsModified());
    EXPECT_EQ(form.Joined(), "係長\t課長\r\n印\t部長");

    const std::string path = folder.File("signs.xml");
    Prompt().QueueFile(path);
    ASSERT_TRUE(form.Save());
    EXPECT_FALSE(form.IsModified());
    EXPECT_EQ(form.FileName(), "signs.xml");
    SignAreaFile file;
    EXPECT_EQ(file.ReadSignAreas(path), "係長\t課長\r\n印\t部長");

    SignAreaForm again(me.status);
    ASSERT_TRUE(again.OpenPath(path));
    ASSERT_EQ(again.Count(), 3);
    EXPECT_EQ(again.Area(1), "課長\r\n印");
    EXPECT_EQ(again.Area(2), "部長");
    EXPECT_THROW(again.Area(3), std::out_of_range);
    EXPECT_TRUE(Prompt().Shown().empty());
}

TEST_F(SignAreaFormTest, TabsAnEmptyListAndUnreadableFilesAreRefusedAndNothingIsLost) {
    SignAreaForm form(me.status);
    Prompt().QueueFile(folder.File("none.xml"));
    EXPECT_FALSE(form.Save()) << "no areas";
    EXPECT_EQ(LastText(), "検印欄を一つ以上追加してください。");
    EXPECT_FALSE(std::filesystem::exists(folder.File("none.xml")));
    EXPECT_EQ(form.Add("a\tb"), -1);
    EXPECT_EQ(form.Count(), 0);
    form.Add("担当");
    EXPECT_FALSE(form.SetText(0, "x\ty"));
    EXPECT_EQ(form.Area(0), "担当");

    const std::string damaged = folder.File("damaged.xml");
    std::ofstream(damaged) << "<SignAreas><SignArea";
    const std::string wrongRoot = folder.File("holidays.xml");
    std::ofstream(wrongRoot) << "<holidayarray/>";
    for (const std::string& path : {damaged, wrongRoot}) {
        Prompt().Clear();
        Prompt().QueueAnswer(PromptAnswer::kNo);  // keep the change in memory
        Prompt().QueueFile(path);
        EXPECT_FALSE(form.OpenFile()) << path;
        ASSERT_FALSE(Prompt().Shown().empty()) << path;
    }
    EXPECT_EQ(form.Count(), 1);
    EXPECT_EQ(form.Area(0), "担当");
    EXPECT_TRUE(form.IsModified());
}

TEST_F(SignAreaFormTest, UnsavedChangesAreAskedAboutAndCancelKeepsTheEditorOpen) {
    SignAreaForm form(me.status);
    const std::string path = folder.File("three.xml");
    SaveThree(form, path);
    form.Remove(0);
    Prompt().QueueAnswer(PromptAnswer::kCancel);
    EXPECT_FALSE(form.Close());
    EXPECT_EQ(Prompt().Shown().back().text, "「three.xml」への変更を保存しますか？");
    Prompt().QueueAnswer(PromptAnswer::kYes);
    EXPECT_TRUE(form.NewFile());
    EXPECT_EQ(form.Count(), 0);
    SignAreaFile file;
    EXPECT_EQ(file.ReadSignAreas(path), "課長\t部長");
}

// The new content goes to a new file beside the old one; where that cannot be
// made, the old file stays whole and the editor keeps the change.
TEST_F(SignAreaFormTest, AFailedSaveKeepsTheOldFileAndTheChange) {
    const std::filesystem::path locked = folder.File("locked");
    std::filesystem::create_directories(locked);
    const std::string path = (locked / "signs.xml").string();
    SignAreaForm form(me.status);
    SaveThree(form, path);
    const std::string before = TestFolder::Read(path);
    form.SetText(0, "changed");
    ::chmod(locked.c_str(), 0555);
    const bool ok = RunUnprivileged(folder.Path(), [&] {
        return !form.Save() && form.IsModified() && !Prompt().Shown().empty() &&
               TestFolder::Read(path) == before;
    });
    ::chmod(locked.c_str(), 0755);
    EXPECT_TRUE(ok);
    EXPECT_EQ(TestFolder::Read(path), before);
}

TEST_F(SignAreaFormTest, APatternGoesToTheProjectAsOneChangeAndComesBack) {
    SignAreaForm none(me.status);
    EXPECT_FALSE(none.CanUseProject());
    OpenMine(false);
    SignAreaForm form(me.status);
    ASSERT_TRUE(form.CanUseProject());
    EXPECT_FALSE(form.TakeFromProject());
    EXPECT_EQ(LastText(), "このプロジェクトには検印欄が設定されていません。");
    form.Add("担当");
    form.Add("承認");
    ASSERT_TRUE(form.GiveToProject());
    EXPECT_EQ(me.Project().GetParam(SignAreaForm::kProjectKey), "担当\t承認");
    EXPECT_TRUE(me.status.Doc().IsModified());

    SignAreaForm other(me.status);
    ASSERT_TRUE(other.TakeFromProject());
    ASSERT_EQ(other.Count(), 2);
    EXPECT_EQ(other.Area(1), "承認");
}

TEST_F(SignAreaFormTest, TheMenuCommandOpensTheEditorOverAForm) {
    test::ScriptedDialogs dialogs;
    me.status.Services().SetDialogs(&dialogs);
    OpenMine(false);
    int opened = 0;
    dialogs.signAreas.push_back([&opened](SignAreaForm& form) {
        ++opened;
        EXPECT_EQ(form.Count(), 0);
    });
    EXPECT_TRUE(me.status.Commands().State(cmd::kSignAreaEditor).enabled);
    EXPECT_TRUE(me.status.Commands().Execute(cmd::kSignAreaEditor));
    EXPECT_EQ(opened, 1);
    me.status.Services().SetDialogs(nullptr);
}

}  // namespace
}  // namespace qb
