#include "ColourRuleForm.h"

#include <gtest/gtest.h>

#include "CProject.h"
#include "ColourRuleFile.h"
#include "ScriptedPrompt.h"
#include "TestFolder.h"

namespace qb {
namespace {

class ColourRuleFormTest : public ::testing::Test {
protected:
    // A form holding a, b and c, not saved yet.
    void AddThree() {
        for (const char* text : {"a", "b", "c"})
            ASSERT_TRUE(form_.Add(text, static_cast<ColorRef>(text[0])));
    }
    std::string Texts() const {
        std::string texts;
        for (const COLORRULE& rule : form_.Rules())
            texts += rule.text;
        return texts;
    }
    std::string SavedAs(const std::string& name) {
        const std::string path = folder_.File(name);
        prompt_.QueueFile(path);
        EXPECT_TRUE(form_.SaveAs());
        return path;
    }

    TestFolder folder_;
    ScriptedPrompt prompt_;
    CProject project_;
    ColourRuleForm form_{prompt_, &project_};
};

TEST_F(ColourRuleFormTest, EmptyTextIsNotAdded) {
    EXPECT_FALSE(form_.Add("", 0xFF));
    EXPECT_TRUE(form_.Rules().IsEmpty());
    EXPECT_FALSE(form_.IsModified());
}

TEST_F(ColourRuleFormTest, MovingKeepsTheEntrySelectedAndStopsAtTheEnds) {
    AddThree();
    form_.Select(0);
    form_.MoveUp();
    EXPECT_EQ(Texts(), "abc");
    form_.MoveDown();
    EXPECT_EQ(Texts(), "bac");
    EXPECT_EQ(form_.Selected(), 1);
    form_.MoveDown();
    form_.MoveDown();
    EXPECT_EQ(Texts(), "bca");
    EXPECT_EQ(form_.Selected(), 2);
    form_.MoveUp();
    EXPECT_EQ(Texts(), "bac");
}

TEST_F(ColourRuleFormTest, DeleteSelectsTheEntryThatTakesThePlace) {
    AddThree();
    form_.Select(1);
    form_.Delete();
    EXPECT_EQ(Texts(), "ac");
    EXPECT_EQ(form_.Selected(), 1);
    form_.Delete();
    EXPECT_EQ(Texts(), "a");
    EXPECT_EQ(form_.Selected(), -1) << "nothing stands at the old place";
    EXPECT_FALSE(form_.CanDelete());
    EXPECT_FALSE(form_.CanMove());
}

TEST_F(ColourRuleFormTest, MenuStatesFollowTheListTheFileAndTheProject) {
    EXPECT_FALSE(form_.CanSave());
    EXPECT_FALSE(form_.CanSaveAs());
    EXPECT_TRUE(form_.CanOpenProjectFile());
    form_.Add("a", 1);
    EXPECT_FALSE(form_.CanSave()) << "no file yet";
    EXPECT_TRUE(form_.CanSaveAs());
    const std::string path = SavedAs("r.crs");
    EXPECT_TRUE(form_.CanSave());
    EXPECT_EQ(form_.Title(), path + " - 色ルールエディタ");
    EXPECT_FALSE(ColourRuleForm(prompt_, nullptr).CanOpenProjectFile());
    EXPECT_EQ(ColourRuleForm(prompt_, nullptr).Title(), "色ルールエディタ");
}

TEST_F(ColourRuleFormTest, SaveAsProposesTheNameWritesTheFileAndClearsTheMark) {
    AddThree();
    const std::string path = SavedAs("r.crs");
    EXPECT_FALSE(form_.IsModified());
    EXPECT_EQ(TestFolder::Read(path), "61\ta\r\n62\tb\r\n63\tc\r\n");

    form_.Select(0);
    form_.Delete();
    ASSERT_TRUE(form_.Save()) << "the named file, without asking";
    EXPECT_EQ(TestFolder::Read(path), "62\tb\r\n63\tc\r\n");
    EXPECT_EQ(prompt_.Shown().size(), 0u);
}

// Yes saves first, No goes on, Cancel stops; each with message 158.
TEST_F(ColourRuleFormTest, NewAsksAboutUnsavedChangesFirst) {
    AddThree();
    prompt_.QueueAnswer(PromptAnswer::kCancel);
    EXPECT_FALSE(form_.NewFile());
    EXPECT_EQ(prompt_.LastId(), 158);
    EXPECT_EQ(Texts(), "abc");

    const std::string path = folder_.File("saved.crs");
    prompt_.QueueAnswer(PromptAnswer::kYes);
    prompt_.QueueFile(path);
    ASSERT_TRUE(form_.NewFile());
    EXPECT_EQ(TestFolder::Read(path), "61\ta\r\n62\tb\r\n63\tc\r\n");
    EXPECT_TRUE(form_.Rules().IsEmpty());
    EXPECT_TRUE(form_.Path().empty());

    form_.Add("x", 1);
    prompt_.QueueAnswer(PromptAnswer::kNo);
    ASSERT_TRUE(form_.OpenPath(path));
    EXPECT_EQ(Texts(), "abc");
    EXPECT_EQ(form_.Path(), path);
}

TEST_F(ColourRuleFormTest, CloseAsksWithItsOwnQuestionAndACancelledSaveStaysOpen) {
    EXPECT_TRUE(form_.Close());
    EXPECT_TRUE(prompt_.Shown().empty());
    form_.Add("x", 1);
    prompt_.QueueAnswer(PromptAnswer::kYes);
    prompt_.QueueFile(std::nullopt);
    EXPECT_FALSE(form_.Close());
    EXPECT_EQ(prompt_.LastId(), 157);
    prompt_.QueueAnswer(PromptAnswer::kNo);
    EXPECT_TRUE(form_.Close());
}

TEST_F(ColourRuleFormTest, ProjectFileOpensOnlyFromAKeyThatNamesOne) {
    const std::string path = folder_.File("p.crs");
    TestFolder::Write(path, "FF\tA\r\n");
    for (const char* key : {"", "FILE:", "/x/p.crs", "file:/x/p.crs"}) {
        project_.SetColorRuleKey(key);
        prompt_.Clear();
        EXPECT_FALSE(form_.OpenProjectFile()) << key;
        EXPECT_EQ(prompt_.LastId(), 159) << key;
    }
    project_.SetColorRuleKey("FILE:" + path);
    ASSERT_TRUE(form_.OpenProjectFile());
    EXPECT_EQ(form_.Path(), path);
    ASSERT_EQ(form_.Rules().GetCount(), 1);
    EXPECT_EQ(form_.Rules().At(0), (COLORRULE{"A", 0xFF}));
}

TEST_F(ColourRuleFormTest, FailedOpenOrSaveKeepsTheListAndSaysWhy) {
    AddThree();
    prompt_.QueueAnswer(PromptAnswer::kNo);
    EXPECT_FALSE(form_.OpenPath(folder_.File("missing.crs")));
    EXPECT_EQ(prompt_.Shown().back().icon, PromptIcon::kError);
    EXPECT_EQ(Texts(), "abc");
    EXPECT_TRUE(form_.IsModified());

    prompt_.QueueFile(folder_.File("no/such/folder/r.crs"));
    EXPECT_FALSE(form_.SaveAs());
    EXPECT_NE(prompt_.Shown().back().text.find("保存できませんでした"), std::string::npos);
    EXPECT_TRUE(form_.IsModified());
    EXPECT_TRUE(form_.Path().empty());
}

}  // namespace
}  // namespace qb

#include "AppTestBase.h"
#include "CCommandHandler.h"
#include "CommandIds.h"
#include "DocumentCommands.h"
#include "SideEditorCommands.h"

namespace qb {
namespace {

class ColourRuleEditorCommandTest : public AppTestBase {};

// The editor works without a document; once it closes, the project's set is
// read again, so what was saved there reaches the drop-downs at once.
TEST_F(ColourRuleEditorCommandTest, SavedRulesReachTheOpenProjectsSet) {
    std::function<void(ColourRuleForm&)> editor;
    SideEditorCommands& editors =
        SideEditorCommands::Attach(*status_, {[&editor](ColourRuleForm& form) { editor(form); }});
    CCommandHandler& commands = status_->Commands();
    EXPECT_TRUE(commands.State(cmd::kColourRuleEditor).enabled);

    const std::string rules = folder_.File("plan.crs");
    TestFolder::Write(rules, "FF\t\x90\xdd\x8c\x76\r\n");
    static std::string key;
    key = "FILE:" + rules;
    const std::string project =
        WriteProject("p.qbd", 1, [](CProject& p) { p.SetColorRuleKey(key); });
    ASSERT_TRUE(commands.Documents().OpenDocument(project));
    ASSERT_EQ(editors.ColourRules().GetCount(), 1);
    EXPECT_EQ(editors.ColourRules().At(0).text, "設計");

    editor = [](ColourRuleForm& form) {
        ASSERT_TRUE(form.OpenProjectFile());
        form.Add("検査", 0x00FF00);
        ASSERT_TRUE(form.Save());
    };
    EXPECT_TRUE(commands.Execute(cmd::kColourRuleEditor));
    ASSERT_EQ(editors.ColourRules().GetCount(), 2);
    EXPECT_EQ(editors.ColourRules().At(1), (COLORRULE{"検査", 0x00FF00}));

    ASSERT_TRUE(commands.Execute(cmd::kClose));
    EXPECT_TRUE(editors.ColourRules().IsEmpty());
}

// A new set saved in the editor becomes the project's in one edit.
TEST_F(ColourRuleEditorCommandTest, NewFileCanBecomeTheProjectsRuleFile) {
    std::function<void(ColourRuleForm&)> editor;
    SideEditorCommands& editors =
        SideEditorCommands::Attach(*status_, {[&editor](ColourRuleForm& form) { editor(form); }});
    ASSERT_TRUE(status_->Commands().Execute(cmd::kNew));
    const std::string path = folder_.File("new.crs");
    editor = [&](ColourRuleForm& form) {
        form.Add("遅延", 0x0000FF);
        EXPECT_FALSE(form.CanUseForProject()) << "the set has no file yet";
        prompt_.QueueAnswer(PromptAnswer::kYes);
        prompt_.QueueFile(path);
        form.Save();
        ASSERT_TRUE(form.UseForProject());
    };
    EXPECT_TRUE(status_->Commands().Execute(cmd::kColourRuleEditor));
    EXPECT_EQ(status_->GetProject()->GetColorRuleKey(), "FILE:" + path);
    EXPECT_TRUE(status_->Doc().IsModified());
    ASSERT_EQ(editors.ColourRules().GetCount(), 1);
    EXPECT_EQ(editors.ColourRules().At(0).text, "遅延");
}

}  // namespace
}  // namespace qb
