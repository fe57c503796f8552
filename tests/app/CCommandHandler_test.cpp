#include "CCommandHandler.h"

#include <cerrno>
#include <filesystem>

#include "AppMessages.h"
#include "AppTestBase.h"
#include "CommandIds.h"
#include "MenuTable.h"
#include "SystemError.h"
#include "ToolCommands.h"
#include "ViewStatusStore.h"

namespace qb {
namespace {

class CommandHandlerTest : public AppTestBase {
protected:
    CCommandHandler& Handler() { return status_->Commands(); }
    CommandState State(int id) { return Handler().State(id); }
    void OpenNew() { ASSERT_TRUE(Handler().Execute(cmd::kNew)); }
};

TEST_F(CommandHandlerTest, EveryMenuCommandIsKnownAndNoOtherIs) {
    for (const CommandInfo& info : MenuTable::Items())
        EXPECT_TRUE(info.id == 0 || CCommandHandler::IsKnown(info.id)) << info.id;
    EXPECT_FALSE(CCommandHandler::IsKnown(12345));
    EXPECT_FALSE(Handler().Execute(12345));
}

TEST_F(CommandHandlerTest, WithoutADocumentOnlyFileAndHelpCommandsWork) {
    for (int id : {cmd::kNew, cmd::kOpen, cmd::kExit, cmd::kViewDay, cmd::kAbout, cmd::kManual})
        EXPECT_TRUE(State(id).enabled) << id;
    for (int id : {cmd::kSave, cmd::kSaveAs, cmd::kClose, cmd::kUndo, cmd::kRedo, cmd::kRefresh,
                   cmd::kPaintHoliday, cmd::kProjectSetChange, cmd::kFileMode})
        EXPECT_FALSE(State(id).enabled) << id;
}

TEST_F(CommandHandlerTest, SaveAndTheModeSwitchFollowTheDocument) {
    OpenNew();
    EXPECT_TRUE(State(cmd::kSave).enabled);
    EXPECT_TRUE(State(cmd::kFileMode).enabled);
    EXPECT_EQ(State(cmd::kFileMode).label, "共有モードに変更(&G)");
    status_->GetProject()->SetShared(true);
    EXPECT_FALSE(State(cmd::kSave).enabled);
    EXPECT_EQ(State(cmd::kFileMode).label, "シングルモードに変更(&G)");
    status_->Doc().SetReadOnly(true);
    EXPECT_FALSE(State(cmd::kFileMode).enabled);
    EXPECT_EQ(State(cmd::kFileMode).label, "ファイルモードの変更(&G)");
}

TEST_F(CommandHandlerTest, DisplayTogglesFlipTheirSettingAndCheckMark) {
    OpenNew();
    const bool before = status_->Services().Settings().calendar.paintHoliday;
    EXPECT_EQ(State(cmd::kPaintHoliday).checked, before);
    ASSERT_TRUE(Handler().Execute(cmd::kPaintHoliday));
    EXPECT_EQ(status_->Services().Settings().calendar.paintHoliday, !before);
    EXPECT_EQ(State(cmd::kPaintHoliday).checked, !before);
    EXPECT_EQ(view_.displayChanges, 1);

    ASSERT_TRUE(Handler().Execute(cmd::kShowColumns));
    EXPECT_EQ(status_->GetProject()->IsDisplayColumns(),
              status_->Services().Settings().showColumns);
    ASSERT_TRUE(Handler().Execute(cmd::kLightningLine));
    EXPECT_TRUE(State(cmd::kLightningLine).checked);

    status_->Doc().SetForeignData(true);
    EXPECT_FALSE(State(cmd::kShowTotal).enabled);
}

TEST_F(CommandHandlerTest, ViewModesAreOneGroupAndCycle) {
    ASSERT_TRUE(Handler().Execute(cmd::kViewDay));
    EXPECT_EQ(status_->GetViewMode(), 1);
    EXPECT_EQ(view_.lastMode, 1);
    EXPECT_TRUE(State(cmd::kViewDay).checked);
    EXPECT_FALSE(State(cmd::kViewMonth).checked);
    for (int expected : {2, 3, 0, 1}) {
        ASSERT_TRUE(Handler().Execute(cmd::kViewCycle));
        EXPECT_EQ(status_->GetViewMode(), expected);
    }
    status_->SetViewMode(7);
    ASSERT_TRUE(Handler().Execute(cmd::kViewCycle));
    EXPECT_EQ(status_->GetViewMode(), 0);
    EXPECT_EQ(status_->Services().Settings().tabMode, 0);
}

TEST_F(CommandHandlerTest, UndoIsOfferedOnlyInSingleModeChartViews) {
    OpenNew();
    ASSERT_TRUE(Handler().Execute(cmd::kViewMonth));
    EXPECT_FALSE(State(cmd::kUndo).enabled);
    status_->Undo().Record(*status_->GetProject());
    EXPECT_TRUE(State(cmd::kUndo).enabled);
    EXPECT_FALSE(State(cmd::kRedo).enabled);
    ASSERT_TRUE(Handler().Execute(cmd::kViewProject));
    EXPECT_FALSE(State(cmd::kUndo).enabled);
    ASSERT_TRUE(Handler().Execute(cmd::kViewDay));
    status_->Doc().SetReadOnly(true);
    EXPECT_FALSE(State(cmd::kUndo).enabled);
    status_->Doc().SetReadOnly(false);
    status_->GetProject()->SetShared(true);
    EXPECT_FALSE(State(cmd::kUndo).enabled);
}

TEST_F(CommandHandlerTest, UndoAndRedoSwapTheProjectContent) {
    OpenNew();
    CProject& first = *status_->GetProject();
    status_->Undo().Record(first);
    auto row = std::make_unique<CRow>(first.NewObjectId());
    first.GetRows().Add(std::move(row));
    ASSERT_TRUE(Handler().Execute(cmd::kUndo));
    EXPECT_EQ(status_->GetProject()->GetRows().GetCount(), 0);
    ASSERT_TRUE(Handler().Execute(cmd::kRedo));
    EXPECT_EQ(status_->GetProject()->GetRows().GetCount(), 1);
}

TEST_F(CommandHandlerTest, TheManualIsOpenedAfterAQuestionThatCanBeSilencedOrSaysWhyNot) {
    const std::string manual = environment_.programFolder + "ユーザーズマニュアル.pdf";
    std::filesystem::create_directories(environment_.programFolder);
    TestFolder::Write(manual, "%PDF-");
    prompt_.QueueAnswer(PromptAnswer::kNo);
    ASSERT_TRUE(Handler().Execute(cmd::kManual));
    EXPECT_EQ(prompt_.LastId(), 205);
    EXPECT_TRUE(shell_.Opened().empty());

    prompt_.TickDontAsk();
    ASSERT_TRUE(Handler().Execute(cmd::kManual));
    ASSERT_EQ(shell_.Opened().size(), 1u);
    EXPECT_EQ(shell_.Opened()[0], manual);

    prompt_.Clear();
    ASSERT_TRUE(Handler().Execute(cmd::kManual));
    EXPECT_TRUE(prompt_.Shown().empty());
    EXPECT_EQ(shell_.Opened().size(), 2u);

    std::filesystem::remove(manual);
    ASSERT_TRUE(Handler().Execute(cmd::kManual));
    EXPECT_EQ(shell_.Opened().size(), 2u);
    const std::string missing = prompt_.Shown().back().text;
    EXPECT_NE(missing.find("ユーザーズマニュアル.pdf"), std::string::npos) << missing;
    EXPECT_NE(missing.find(SystemError::Describe(ENOENT)), std::string::npos) << missing;

    TestFolder::Write(manual, "%PDF-");
    shell_.FailOpens();
    ASSERT_TRUE(Handler().Execute(cmd::kManual));
    EXPECT_EQ(prompt_.Shown().back().icon, PromptIcon::kWarning);
}

TEST_F(CommandHandlerTest, TheHomePageDependsOnThePackageNumber) {
    ASSERT_TRUE(Handler().Execute(cmd::kHomePage));
    EXPECT_EQ(shell_.Opened().back(), ToolCommands::kHomePage);
    std::filesystem::create_directories(environment_.programFolder);
    TestFolder::Write(environment_.programFolder + "QBRANDIR.INI", "[Version]\r\nPackage=2\r\n");
    ASSERT_TRUE(Handler().Execute(cmd::kHomePage));
    EXPECT_EQ(shell_.Opened().back(), ToolCommands::kPackageHomePage);
}

// Which entries go is the store's rule; the command asks first and reports.
TEST_F(CommandHandlerTest, CleanupAsksFirstAndSaysHowManyEntriesWent) {
    ViewStatus old;
    old.last = COleDateTime::GetCurrentTime().AddDays(-11);
    ViewStatusStore(store_).Save("/b/old.qbd", old);
    prompt_.QueueAnswer(PromptAnswer::kNo);
    ASSERT_TRUE(Handler().Execute(cmd::kCleanupViewStatus));
    EXPECT_EQ(prompt_.LastId(), 221);
    EXPECT_EQ(store_.SectionNames(ViewStatusStore::kPrefix).size(), 1u);
    ASSERT_TRUE(Handler().Execute(cmd::kCleanupViewStatus));
    EXPECT_EQ(prompt_.Shown().back().text, "1件処理しました。");
    EXPECT_TRUE(store_.SectionNames(ViewStatusStore::kPrefix).empty());
}

TEST_F(CommandHandlerTest, AnUntitledDocumentIsNamedBeforeItBecomesShared) {
    OpenNew();
    ASSERT_TRUE(Handler().Execute(cmd::kFileMode) == false || !status_->IsShared());
    EXPECT_TRUE(prompt_.WasShown(146));
    EXPECT_FALSE(status_->IsShared());

    const std::string path = folder_.File("shared.qbd");
    prompt_.QueueFile(path);
    ASSERT_TRUE(Handler().Execute(cmd::kFileMode));
    EXPECT_TRUE(status_->IsShared());
    EXPECT_EQ(status_->Doc().Path(), path);
    EXPECT_TRUE(prompt_.WasShown(142));
    EXPECT_EQ(State(cmd::kFileMode).label, "シングルモードに変更(&G)");
}

}  // namespace
}  // namespace qb
