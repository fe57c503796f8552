#include "DocumentCommands.h"

#include <sys/stat.h>

#include <filesystem>
#include <functional>

#include "AppMessages.h"
#include "AppTestBase.h"
#include "CCommandHandler.h"
#include "COleDateTimeSpan.h"
#include "CommandIds.h"
#include "EditFixture.h"
#include "PasswordDigest.h"
#include "RecentFiles.h"
#include "ViewStatusStore.h"

namespace qb {
namespace {

namespace fs = std::filesystem;

class DocumentCommandsTest : public AppTestBase {
protected:
    DocumentCommandsTest() { status_->Services().FileRetry() = test::QuickRetry(2); }
    DocumentCommands& Docs() { return status_->Commands().Documents(); }
    bool Enabled(int id) { return status_->Commands().State(id).enabled; }
    std::string BackupOf(const std::string& name) {
        return status_->Services().Folders().Backup() + name;
    }
};

TEST_F(DocumentCommandsTest, OpensAFileAndClosesIt) {
    const std::string path = WriteProject("plan.qbd", 3);
    ASSERT_TRUE(Docs().OpenDocument(path));
    EXPECT_TRUE(status_->HasDocument());
    EXPECT_EQ(status_->Doc().Path(), path);
    EXPECT_FALSE(status_->Doc().IsModified());
    EXPECT_FALSE(status_->Doc().IsReadOnly());
    EXPECT_EQ(status_->GetProject()->GetRows().GetCount(), 3);
    ASSERT_FALSE(status_->Services().Recent().Entries().empty());
    EXPECT_EQ(status_->Services().Recent().Entries().front(), path);
    EXPECT_EQ(view_.replaced, 1);
    EXPECT_TRUE(fs::exists(BackupOf("plan.qbd")));

    Docs().CloseDocument(true);
    EXPECT_FALSE(status_->HasDocument());
    EXPECT_TRUE(status_->Doc().Path().empty());
    EXPECT_FALSE(fs::exists(BackupOf("plan.qbd")));

    // Each recent-file item opens its own entry, counted from the newest.
    ASSERT_TRUE(Docs().OpenDocument(WriteProject("later.qbd", 1)));
    ASSERT_TRUE(status_->Commands().Execute(RecentFiles::kFirstCommand + 1));
    EXPECT_EQ(status_->Doc().Path(), path);
    EXPECT_EQ(status_->GetProject()->GetRows().GetCount(), 3);
}

// Closing keeps what the window does not show (print settings, load graph) as
// it was read, takes the window's part, and dates the entry, so that a clean
// up keeps it.
TEST_F(DocumentCommandsTest, EveryNormalCloseDatesTheEntryAndKeepsWhatTheWindowDoesNotShow) {
    const std::string path = WriteProject("kept.qbd");
    const std::string other = WriteProject("other.qbd");
    ViewStatus stored;
    stored.paperSize = 8;
    stored.orientation = 1;
    stored.marginTop = 150;
    stored.pageAlign = 2;
    stored.printTitleSize = 3;
    stored.graphMax = 55;
    stored.showGraph = 0;
    stored.split1 = 180;
    const std::function<void()> closes[] = {
        [this] { ASSERT_TRUE(status_->Commands().Execute(cmd::kClose)); },
        [this] { ASSERT_TRUE(status_->Commands().Execute(cmd::kNew)); },
        [this, other] { ASSERT_TRUE(Docs().OpenDocument(other)); },
    };
    for (const auto& close : closes) {
        ViewStatusStore(store_).Save(path, stored);
        view_.collected.scale2 = 7.5;
        view_.collected.split1 = 260;
        ASSERT_TRUE(Docs().OpenDocument(path));
        EXPECT_EQ(view_.applied.split1, 180);
        const COleDateTime before = COleDateTime::GetCurrentTime();
        close();
        const ViewStatus saved = ViewStatusStore(store_).Load(path);
        ASSERT_TRUE(saved.last.IsValid());
        EXPECT_GE(saved.last, before);
        EXPECT_EQ(saved.paperSize, 8);
        EXPECT_EQ(saved.orientation, 1);
        EXPECT_EQ(saved.marginTop, 150);
        EXPECT_EQ(saved.pageAlign, 2);
        EXPECT_EQ(saved.printTitleSize, 3);
        EXPECT_EQ(saved.graphMax, 55);
        EXPECT_EQ(saved.showGraph, 0);
        EXPECT_EQ(saved.scale2, 7.5);
        EXPECT_EQ(saved.split1, 260);
    }

    ViewStatus old;
    old.last = COleDateTime::GetCurrentTime() - COleDateTimeSpan(30.0);
    ViewStatusStore(store_).Save(folder_.File("old.qbd"), old);
    prompt_.QueueAnswer(PromptAnswer::kYes);
    ASSERT_TRUE(status_->Commands().Execute(cmd::kCleanupViewStatus));
    EXPECT_EQ(prompt_.Shown().back().text, "1件処理しました。");
    EXPECT_EQ(store_.SectionNames(ViewStatusStore::kPrefix),
              std::vector<std::string>{"PrevStatus/kept.qbd"});
}

TEST_F(DocumentCommandsTest, AMissingFileOrAnOverlongPathLeavesTheOpenDocument) {
    const std::string gone = WriteProject("gone.qbd");
    const std::string path = WriteProject("keep.qbd");
    ASSERT_TRUE(Docs().OpenDocument(gone));
    ASSERT_TRUE(Docs().OpenDocument(path));
    fs::remove(gone);
    ASSERT_EQ(status_->Services().Recent().Entries().at(1), gone);
    EXPECT_FALSE(status_->Commands().Execute(RecentFiles::kFirstCommand + 1));
    EXPECT_EQ(prompt_.LastId(), 198);
    EXPECT_FALSE(Docs().OpenDocument(folder_.Path().string()));  // a folder is no file
    EXPECT_EQ(prompt_.LastId(), 198);

    fs::path deep = folder_.Path();
    while (deep.string().size() < 250)
        deep /= "abcdefghijklmnopqrstuvwxyz";
    fs::create_directories(deep);
    const std::string longPath = (deep / "long-enough-name.qbd").string();
    fs::copy_file(path, longPath);
    ASSERT_GT(longPath.size(), 259u);
    EXPECT_FALSE(Docs().OpenDocument(longPath));
    EXPECT_EQ(prompt_.Shown().back().text, messages::kPathTooLong.text);

    EXPECT_TRUE(status_->HasDocument());
    EXPECT_EQ(status_->Doc().Path(), path);
}

TEST_F(DocumentCommandsTest, AFileHeldByAnotherOpenerIsReportedWithItsPath) {
    const std::string path = WriteProject("held.qbd");
    CProjectFile holder(path);
    ASSERT_NE(holder.Load(true), nullptr);

    EXPECT_FALSE(Docs().OpenDocument(path));
    EXPECT_EQ(prompt_.LastId(), 191);
    EXPECT_NE(prompt_.Shown().back().text.find("\r\n" + path), std::string::npos);
    EXPECT_FALSE(status_->HasDocument());
    EXPECT_EQ(status_->Doc().GetAccessor(), nullptr);
    EXPECT_FALSE(fs::exists(BackupOf("held.qbd")));
}

TEST_F(DocumentCommandsTest, NewerDataIsRefusedAndOldDataOpensWithAWarning) {
    const std::string path =
        WriteProject("new.qbd", 1, [](CProject& p) { p.SetAvailableVersion(291); });
    EXPECT_FALSE(Docs().OpenDocument(path));
    EXPECT_NE(prompt_.Shown().back().text.find("要求バージョン = 2.91.0 以上"), std::string::npos);
    EXPECT_FALSE(status_->HasDocument());
    EXPECT_TRUE(Docs().OpenDocument(
        WriteProject("old.qbd", 1, [](CProject& p) { p.SetDataVersion(110); })));
    EXPECT_EQ(prompt_.LastId(), 224);
}

TEST_F(DocumentCommandsTest, PasswordsDecideBetweenEditingReadingAndRefusing) {
    static const std::string kView = PasswordDigest::Of("見る");
    static const std::string kEdit = PasswordDigest::Of("edit");
    const std::string both = WriteProject("both.qbd", 1, [](CProject& p) {
        p.SetViewPassword(kView);
        p.SetEditPassword(kEdit);
    });
    prompt_.QueueText("edit");
    ASSERT_TRUE(Docs().OpenDocument(both));
    EXPECT_FALSE(status_->Doc().IsReadOnly());

    prompt_.QueueText("見る");
    ASSERT_TRUE(Docs().OpenDocument(both));
    EXPECT_TRUE(status_->Doc().IsReadOnly());
    EXPECT_FALSE(Enabled(cmd::kSave));

    prompt_.QueueText("wrong");  // then the chooser is cancelled
    EXPECT_FALSE(Docs().OpenDocument(both));
    EXPECT_TRUE(prompt_.WasShown(0));
    EXPECT_EQ(prompt_.Shown().back().text, messages::kPasswordNeither.text);
    EXPECT_FALSE(status_->HasDocument());

    const std::string editOnly =
        WriteProject("edit.qbd", 1, [](CProject& p) { p.SetEditPassword(kEdit); });
    ASSERT_TRUE(Docs().OpenDocument(editOnly));  // cancelled: read-only
    EXPECT_TRUE(status_->Doc().IsReadOnly());
    EXPECT_FALSE(Enabled(cmd::kSave));

    const std::string viewOnly =
        WriteProject("view.qbd", 1, [](CProject& p) { p.SetViewPassword(kView); });
    prompt_.QueueText("nope");
    EXPECT_FALSE(Docs().OpenDocument(viewOnly));
    EXPECT_EQ(prompt_.Shown().back().text, messages::kPasswordWrong.text);
    prompt_.QueueText("見る");
    ASSERT_TRUE(Docs().OpenDocument(viewOnly));
    EXPECT_FALSE(status_->Doc().IsReadOnly());
}

TEST_F(DocumentCommandsTest, TheDigestIsMd5OfTheCp932Bytes) {
    EXPECT_EQ(PasswordDigest::Of(""), "D41D8CD98F00B204E9800998ECF8427E");
    EXPECT_EQ(PasswordDigest::Of("abc"), "900150983CD24FB0D6963F7D28E17F72");
    // "あ" is hashed as its CP932 bytes 0x82 0xA0, not as UTF-8.
    EXPECT_EQ(PasswordDigest::Of("あ"), "8F03C3A6DBEC1D0F1A5AF60947B7B052");
}

TEST_F(DocumentCommandsTest, AFileWithoutWritePermissionOpensReadOnly) {
    const std::string path = WriteProject("locked.qbd");
    ::chmod(path.c_str(), 0444);
    ASSERT_TRUE(Docs().OpenDocument(path));
    EXPECT_TRUE(status_->Doc().IsReadOnly());
    EXPECT_FALSE(Enabled(cmd::kSave));
    EXPECT_FALSE(Enabled(cmd::kFileMode));
}

TEST_F(DocumentCommandsTest, UnsavedChangesAreAskedAbout) {
    const std::string path = WriteProject("ask.qbd");
    ASSERT_TRUE(Docs().OpenDocument(path));
    EXPECT_EQ(Docs().AskSaveChanges(), DocumentCommands::Answer::kProceed);
    EXPECT_TRUE(prompt_.Shown().empty());

    status_->Doc().MarkModified(true);
    prompt_.QueueAnswer(PromptAnswer::kCancel);
    EXPECT_EQ(Docs().AskSaveChanges(), DocumentCommands::Answer::kCancel);
    EXPECT_EQ(prompt_.LastId(), 147);
    prompt_.QueueAnswer(PromptAnswer::kNo);
    EXPECT_EQ(Docs().AskSaveChanges(), DocumentCommands::Answer::kProceed);
    EXPECT_TRUE(status_->Doc().IsModified());

    status_->GetProject()->SetTitle("saved title");
    prompt_.QueueAnswer(PromptAnswer::kYes);
    EXPECT_EQ(Docs().AskSaveChanges(), DocumentCommands::Answer::kProceed);
    EXPECT_FALSE(status_->Doc().IsModified());
    Docs().CloseDocument(false);
    CProjectFile file(path);
    EXPECT_EQ(file.Load(false)->GetTitle(), "saved title");

    // An untitled document whose save-as is cancelled is kept.
    ASSERT_TRUE(status_->Commands().Execute(cmd::kNew));
    status_->Doc().MarkModified(true);
    prompt_.QueueAnswer(PromptAnswer::kYes);
    EXPECT_EQ(Docs().AskSaveChanges(), DocumentCommands::Answer::kCancel);
    EXPECT_TRUE(status_->HasDocument());
}

TEST_F(DocumentCommandsTest, SaveAsWritesTheNewFileAndForgetsTheOldBackup) {
    const std::string path = WriteProject("first.qbd", 2);
    ASSERT_TRUE(Docs().OpenDocument(path));
    status_->Doc().MarkModified(true);
    const std::string target = folder_.File("second.qbd");
    TestFolder::Write(target, "not a project");
    prompt_.QueueFile(target);
    ASSERT_TRUE(status_->Commands().Execute(cmd::kSaveAs));
    EXPECT_EQ(status_->Doc().Path(), target);
    EXPECT_FALSE(status_->Doc().IsModified());
    EXPECT_EQ(status_->Services().Recent().Entries().front(), target);
    EXPECT_FALSE(fs::exists(BackupOf("first.qbd")));
    Docs().CloseDocument(false);
    CProjectFile file(target);
    std::unique_ptr<CProject> written = file.Load(false);
    ASSERT_NE(written, nullptr);
    EXPECT_EQ(written->GetRows().GetCount(), 2);
}

TEST_F(DocumentCommandsTest, ASaveThatCannotWriteSaysSoAndKeepsTheChanges) {
    const std::string target = folder_.File("nofolder/x.qbd");
    ASSERT_TRUE(status_->Commands().Execute(cmd::kNew));
    status_->Doc().MarkModified(true);
    prompt_.QueueFile(target);
    EXPECT_FALSE(status_->Commands().Execute(cmd::kSaveAs));
    EXPECT_EQ(prompt_.LastId(), 243);
    EXPECT_TRUE(status_->Doc().IsModified());
    EXPECT_TRUE(status_->Doc().Path().empty());
}

TEST_F(DocumentCommandsTest, DroppedFilesMustBeProjectFiles) {
    const std::string text = folder_.File("notes.group");
    TestFolder::Write(text, "<xml/>");
    EXPECT_FALSE(Docs().DropFile(text));
    EXPECT_EQ(prompt_.LastId(), 202);
    EXPECT_TRUE(Docs().DropFile(WriteProject("dropped.qbd")));
    EXPECT_TRUE(status_->HasDocument());
}

TEST_F(DocumentCommandsTest, TheInitialDisplayDateWinsOverTheStoredPosition) {
    const std::string path = WriteProject("scroll.qbd");
    ViewStatus stored;
    stored.leftPos = COleDateTime(2011, 3, 5, 0, 0, 0);
    ViewStatusStore(store_).Save(path, stored);
    view_.collected = stored;  // what each close keeps again
    ASSERT_TRUE(Docs().OpenDocument(path));
    EXPECT_EQ(view_.scrolledTo, stored.leftPos);

    Docs().ScrollAfterNextOpen(COleDateTime(2010, 4, 1, 0, 0, 0));
    ASSERT_TRUE(Docs().OpenDocument(path));
    EXPECT_EQ(view_.scrolledTo, COleDateTime(2010, 4, 1, 0, 0, 0));
    // Only the next open.
    ASSERT_TRUE(Docs().OpenDocument(path));
    EXPECT_EQ(view_.scrolledTo, stored.leftPos);
}

}  // namespace
}  // namespace qb
