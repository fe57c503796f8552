#include "ProjectPageInput.h"

#include "AppMessages.h"
#include "AppTestBase.h"
#include "CCommandHandler.h"
#include "CommandIds.h"
#include "DocumentCommands.h"
#include "PasswordDigest.h"

namespace qb {
namespace {

// A window stand-in whose project page is the real page input, filled and
// refreshed as the window does it.
class PageView : public RecordingView {
public:
    explicit PageView(CStatus& status) : status_(status), input(status.Services()) {}

    void DocumentReplaced() override { input.Fill(status_.GetProject()); }
    void ContentChanged() override {
        if (status_.GetProject())
            input.Refresh(*status_.GetProject());
    }
    bool HasUnappliedPageInput() const override { return input.HasUnappliedInput(); }
    void ApplyPageInput(CProject& project) override { input.Apply(project); }
    bool CheckPageInput() override { return input.Check(); }

    CStatus& status_;
    ProjectPageInput input;
};

class ProjectPageInputTest : public AppTestBase {
protected:
    ProjectPageInputTest() {
        status_->SetView(&page_);
        status_->Doc().AddObserver(&page_);
    }
    ~ProjectPageInputTest() override {
        status_->Doc().RemoveObserver(&page_);
        status_->SetView(&view_);
    }

    CCommandHandler& Handler() { return status_->Commands(); }
    DocumentCommands& Documents() { return Handler().Documents(); }
    ProjectPageInput::Fields& Typed() { return page_.input.Typed(); }
    void ShowPage() { ASSERT_TRUE(Handler().Execute(cmd::kViewProject)); }
    bool LeavePage() { return Handler().Execute(cmd::kViewMonth); }
    std::unique_ptr<CProject> ReadBack(const std::string& path) {
        CProjectFile file(path);
        return file.Load(false);
    }
    std::string LastText() const {
        return prompt_.Shown().empty() ? std::string() : prompt_.Shown().back().text;
    }
    void SetPassword(ProjectPageInput::Password& password, const std::string& text) {
        password.typed = text;
        password.confirmation = text;
    }

    PageView page_{*status_};
};

TEST_F(ProjectPageInputTest, TypedValuesReachTheProjectOnLeavingThePageAndTheSavedFile) {
    ASSERT_TRUE(Handler().Execute(cmd::kNew));
    ShowPage();
    Typed().title = "新庁舎";
    Typed().indented = true;
    Typed().numbering = ProjectPageInput::kTree;
    Typed().header = "ヘッダー";
    Typed().headerPosition = ProjectPageInput::kRight;
    Typed().footer = "フッター";
    Typed().footerPosition = ProjectPageInput::kCenter;
    Typed().printSigns = true;
    Typed().signsOnFirstPageOnly = true;
    Typed().periodFrom = "2027/4/1";
    Typed().periodTo = "20270930";
    SetPassword(page_.input.ViewPassword(), "見る");
    SetPassword(page_.input.EditPassword(), "edit");
    EXPECT_FALSE(status_->Doc().IsModified()) << "typing alone changes nothing";

    ASSERT_TRUE(LeavePage());
    EXPECT_TRUE(status_->Doc().IsModified());
    EXPECT_FALSE(page_.input.HasUnappliedInput());
    const std::string path = folder_.File("page.qbd");
    prompt_.QueueFile(path);
    ASSERT_TRUE(Handler().Execute(cmd::kSaveAs));
    ASSERT_TRUE(Handler().Execute(cmd::kClose)) << "single mode holds the file";

    const std::unique_ptr<CProject> saved = ReadBack(path);
    ASSERT_NE(saved, nullptr);
    EXPECT_EQ(saved->GetTitle(), "新庁舎");
    EXPECT_GT(saved->GetParamInt("_Indent", 0), 0);
    EXPECT_EQ(saved->GetParamInt("_Renban", 0), 2);
    EXPECT_EQ(saved->GetParam("_Header"), "ヘッダー");
    EXPECT_EQ(saved->GetParamInt("_HeaderPos", 0), 2);
    EXPECT_EQ(saved->GetParam("_Footer"), "フッター");
    EXPECT_EQ(saved->GetParamInt("_FooterPos", 0), 1);
    EXPECT_TRUE(saved->GetParamBool("_PrintSigns", false));
    EXPECT_TRUE(saved->GetParamBool("_PrintSignsP1", false));
    EXPECT_EQ(saved->GetDisplayStartDate(), COleDateTime(2027, 4, 1, 0, 0, 0));
    EXPECT_EQ(saved->GetDisplayEndDate(), COleDateTime(2027, 9, 30, 0, 0, 0));
    EXPECT_EQ(saved->GetViewPassword(), PasswordDigest::Of("見る"));
    EXPECT_EQ(saved->GetEditPassword(), PasswordDigest::Of("edit"));

    // The page filled from the file shows what was stored; the zero date
    // marks an end as unset.
    saved->SetDisplayEndDate(COleDateTime(0.0, COleDateTime::valid));
    page_.input.Fill(saved.get());
    EXPECT_EQ(Typed().periodTo, "");
    EXPECT_EQ(Typed().periodFrom, "2027/4/1");
    EXPECT_EQ(Typed().headerPosition, ProjectPageInput::kRight);
    EXPECT_TRUE(page_.input.HasViewPassword());
    EXPECT_TRUE(page_.input.ViewPassword().typed.empty()) << "a digest is never shown";
}

// A blank password field keeps the password; only the remove request lifts it.
TEST_F(ProjectPageInputTest, PasswordsAreKeptByABlankFieldRemovedOnRequestAndTypedTwice) {
    ASSERT_TRUE(Handler().Execute(cmd::kNew));
    CProject& project = *status_->GetProject();
    project.SetViewPassword(PasswordDigest::Of("old"));
    project.SetEditPassword(PasswordDigest::Of("old"));
    page_.input.Fill(&project);

    page_.input.ViewPassword().typed = "new";
    page_.input.ViewPassword().confirmation = "nwe";
    EXPECT_FALSE(page_.input.Apply(project));
    EXPECT_EQ(LastText(), ProjectPageInput::kPasswordMismatch.text);
    EXPECT_EQ(project.GetViewPassword(), PasswordDigest::Of("old"));

    SetPassword(page_.input.ViewPassword(), "new");
    page_.input.EditPassword().remove = true;
    EXPECT_TRUE(page_.input.Apply(project));
    EXPECT_EQ(project.GetViewPassword(), PasswordDigest::Of("new"));
    EXPECT_EQ(project.GetEditPassword(), "");
    EXPECT_FALSE(page_.input.HasEditPassword());

    Typed().title = "only the title";
    EXPECT_TRUE(page_.input.Apply(project));
    EXPECT_EQ(project.GetViewPassword(), PasswordDigest::Of("new"));

    // Characters the file's code page cannot hold would make passwords alike.
    SetPassword(page_.input.ViewPassword(), "pass\xF0\x9F\x98\x80");
    EXPECT_FALSE(page_.input.Apply(project));
    EXPECT_EQ(LastText(), ProjectPageInput::kPasswordCharacters.text);
}

TEST_F(ProjectPageInputTest, PeriodDatesAreReadInTheirUsualFormsAndOthersAreRefused) {
    ASSERT_TRUE(Handler().Execute(cmd::kNew));
    const COleDateTime april(2027, 4, 1, 0, 0, 0);
    const struct {
        const char* typed;
        COleDateTime expected;
    } accepted[] = {
        {"2027/4/1", april},        {"2027/04/01", april}, {"2027-04-01", april},
        {"20270401", april},        {" 2027/4/1 ", april}, {"２０２７／４／１", april},
        {"", COleDateTime::Null()},
    };
    for (const auto& entry : accepted) {
        SCOPED_TRACE(entry.typed);
        CProject& project = *status_->GetProject();
        project.SetDisplayStartDate(COleDateTime(2000, 1, 1, 0, 0, 0));
        page_.input.Fill(&project);
        Typed().periodFrom = entry.typed;
        EXPECT_TRUE(page_.input.Apply(project));
        EXPECT_EQ(project.GetDisplayStartDate(), entry.expected);
    }
    for (const char* typed : {"2027/2/29", "2027/13/1", "2027/4", "2027/4/1/2", "202704011",
                              "1899/12/31", "abc", "2027//1", "2027/4/x"}) {
        SCOPED_TRACE(typed);
        CProject& project = *status_->GetProject();
        page_.input.Fill(&project);
        const COleDateTime before = project.GetDisplayStartDate();
        Typed().title = "not applied either";
        Typed().periodFrom = typed;
        prompt_.Clear();
        EXPECT_FALSE(page_.input.Apply(project));
        EXPECT_EQ(LastText(), ProjectPageInput::kBadPeriodDate.text);
        EXPECT_EQ(project.GetDisplayStartDate(), before);
        EXPECT_NE(project.GetTitle(), "not applied either");
        EXPECT_TRUE(page_.input.HasUnappliedInput());
    }
}

TEST_F(ProjectPageInputTest, ARefusedPeriodKeepsThePageShownAndTheSaveQuestionOpen) {
    ASSERT_TRUE(Handler().Execute(cmd::kNew));
    ShowPage();
    Typed().periodFrom = "2027/5/1";
    Typed().periodTo = "2027/4/30";
    EXPECT_FALSE(LeavePage());
    EXPECT_TRUE(prompt_.WasShown(ProjectPageInput::kPeriodReversed.id));
    EXPECT_EQ(status_->GetViewMode(), CStatus::kProjectPage);
    EXPECT_FALSE(status_->Doc().IsModified());

    // Yes saves what can be saved, but the command that asked does not go on
    // and throw the page away.
    const std::string path = folder_.File("refused.qbd");
    prompt_.QueueAnswer(PromptAnswer::kYes);
    prompt_.QueueFile(path);
    EXPECT_EQ(Documents().AskSaveChanges(), DocumentCommands::Answer::kCancel);
    EXPECT_TRUE(prompt_.WasShown(messages::kSaveChanges.id));
    EXPECT_TRUE(page_.input.HasUnappliedInput());

    Typed().periodTo = "2027/5/1";
    EXPECT_TRUE(LeavePage());
    EXPECT_EQ(status_->GetProject()->GetDisplayEndDate(), COleDateTime(2027, 5, 1, 0, 0, 0));
}

// Shared mode: the values wait on the page across tabs and reach the file
// with the save question; only the fields typed are written, so another
// user's change to the others survives.
TEST_F(ProjectPageInputTest, SharedInputWaitsAcrossTabsAndWritesOnlyTheTypedFields) {
    const std::string path = WriteProject("shared.qbd", 1, [](CProject& project) {
        project.SetShared(true);
        project.SetParam("_Footer", "before");
    });
    ASSERT_TRUE(Documents().OpenDocument(path));
    ShowPage();
    Typed().title = "typed here";
    ASSERT_TRUE(LeavePage());
    ASSERT_TRUE(Handler().Execute(cmd::kViewProject));
    EXPECT_EQ(Typed().title, "typed here");
    EXPECT_EQ(ReadBack(path)->GetTitle(), "");

    std::unique_ptr<CProject> theirs = ReadBack(path);
    theirs->SetParam("_Footer", "from another user");
    ASSERT_TRUE(CProjectFile(path).Save(theirs.get(), true));

    prompt_.QueueAnswer(PromptAnswer::kYes);
    EXPECT_EQ(Documents().AskSaveChanges(), DocumentCommands::Answer::kProceed);
    EXPECT_TRUE(prompt_.WasShown(messages::kSaveChanges.id));
    const std::unique_ptr<CProject> written = ReadBack(path);
    EXPECT_EQ(written->GetTitle(), "typed here");
    EXPECT_EQ(written->GetParam("_Footer"), "from another user");
    EXPECT_EQ(written->GetModifier(), "tester");
    EXPECT_FALSE(status_->Doc().IsModified());
    EXPECT_FALSE(page_.input.HasUnappliedInput());
}

// A reload under the page keeps what was typed and shows the rest anew.
TEST_F(ProjectPageInputTest, ARefreshKeepsTypedFieldsAndFollowsTheOthers) {
    CProject project;
    project.SetTitle("first");
    page_.input.Fill(&project);
    Typed().header = "typed";
    project.SetTitle("reloaded");
    project.SetParam("_Header", "reloaded");
    page_.input.Refresh(project);
    EXPECT_EQ(Typed().title, "reloaded");
    EXPECT_EQ(Typed().header, "typed");
    EXPECT_TRUE(page_.input.HasUnappliedInput());
    page_.input.Revert();
    EXPECT_EQ(Typed().header, "reloaded");
    EXPECT_FALSE(page_.input.HasUnappliedInput());
}

TEST_F(ProjectPageInputTest, TheIndentChoiceOffersItselfAsTheDefaultForNewProjects) {
    const struct {
        bool defaultBefore;
        bool chosen;
        PromptAnswer answer;
        bool asked;
        bool defaultAfter;
    } cases[] = {
        {false, true, PromptAnswer::kYes, true, true},
        {false, true, PromptAnswer::kNo, true, false},
        {true, false, PromptAnswer::kYes, true, false},
        {true, true, PromptAnswer::kYes, false, true},
    };
    for (const auto& entry : cases) {
        SCOPED_TRACE(entry.chosen);
        AppSettings& settings = status_->Services().Settings();
        settings.indentDef = entry.defaultBefore;
        store_.Remove(AppSettings::kSection, "IndentDef");
        prompt_.Clear();
        prompt_.QueueAnswer(entry.answer);
        page_.input.ChooseIndented(entry.chosen);
        EXPECT_EQ(Typed().indented, entry.chosen);
        EXPECT_EQ(prompt_.Shown().size(), entry.asked ? 1u : 0u);
        EXPECT_EQ(settings.indentDef, entry.defaultAfter);
        // Yes writes the settings at once, not at the end of the run.
        const bool written = entry.asked && entry.answer == PromptAnswer::kYes;
        EXPECT_EQ(store_.ReadInt(AppSettings::kSection, "IndentDef").has_value(), written);
    }
    ASSERT_TRUE(Handler().Execute(cmd::kNew));
    EXPECT_GT(status_->GetProject()->GetParamInt("_Indent", 0), 0);
}

}  // namespace
}  // namespace qb
