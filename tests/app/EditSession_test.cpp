#include "EditSession.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>

#include "AppMessages.h"
#include "EditFixture.h"
#include "FileOperationsSpy.h"
#include "IDocumentObserver.h"
#include "ProjectEdits.h"

namespace qb {
namespace {

using test::Instance;
using test::IsLive;

class EditSessionTest : public test::EditTest {
protected:
    // Opens the small project from a folder of its own, which the test can
    // move away so that every write fails while the document holds the file.
    std::string OpenHeld(bool shared) {
        std::filesystem::create_directory(held);
        const std::string path = (held / "plan.qbd").string();
        test::WriteProject(path, *test::SmallProject(shared));
        EXPECT_TRUE(me.Open(path));
        return path;
    }
    void MoveHeld(bool away) {
        const std::filesystem::path moved = folder.Path() / "moved";
        std::filesystem::rename(away ? held : moved, away ? moved : held);
    }

    // Opens the small project through file operations that answer as a file
    // system where the lock cannot keep other computers out.
    void OpenUnprotected(bool shared, test::FileOperationsSpy& files) {
        WriteFile(shared);
        auto file = std::make_unique<CProjectFile>(Path(), test::QuickRetry());
        file->SetFileOperations(files);
        std::unique_ptr<CProject> project = file->Load(false);
        ASSERT_NE(project, nullptr);
        me.status.Doc().Open(std::move(project), std::move(file), Path());
    }

    const std::filesystem::path held = folder.Path() / "held";
};

// Where locks stay on this computer or are not supported at all, shared
// mode would let two computers overwrite each other's changes unseen: the
// switch is refused with the reason, before anything is asked or written,
// and a shared file opened there is warned about. Single mode keeps working.
TEST_F(EditSessionTest, SharedModeIsRefusedAndWarnedAboutWhereTheLockCannotProtect) {
    struct Case {
        const char* name;
        std::uint64_t type;
        int lockErrno;
        const char* reason;
    };
    const Case cases[] = {
        {"fuse", FileLock::kFuseMagic, 0, "（fuse）では"},
        {"no locks", FileLock::kNfsMagic, ENOLCK, "（nfs）がファイルのロックに対応していません"},
    };
    for (const Case& c : cases) {
        {
            test::FileOperationsSpy files;
            files.fileSystemType = c.type;
            files.Fail("lock", {c.lockErrno});
            OpenUnprotected(false, files);
            me.prompt.Clear();
            const std::string before = TestFolder::Read(Path());
            EXPECT_FALSE(me.status.Edit().SwitchFileMode()) << c.name;
            EXPECT_EQ(me.prompt.Shown().size(), 1u) << c.name << ": nothing asked";
            EXPECT_EQ(me.prompt.LastId(), 0);
            EXPECT_NE(me.prompt.Shown().back().text.find(c.reason), std::string::npos) << c.name;
            EXPECT_FALSE(me.status.IsShared());
            EXPECT_EQ(TestFolder::Read(Path()), before) << c.name;
            ASSERT_TRUE(me.Edits().AddRow("single still works").ok) << c.name;
            me.status.Edit().WarnIfUnprotected();
            EXPECT_EQ(me.prompt.Shown().size(), 1u) << c.name << ": no warning in single mode";
            me.status.Doc().Close();
        }
        test::FileOperationsSpy files;
        files.fileSystemType = c.type;
        files.Fail("lock", {c.lockErrno});
        OpenUnprotected(true, files);
        me.prompt.Clear();
        me.status.Edit().WarnIfUnprotected();
        ASSERT_EQ(me.prompt.Shown().size(), 1u) << c.name;
        EXPECT_EQ(me.prompt.Shown().back().icon, PromptIcon::kWarning);
        EXPECT_NE(me.prompt.Shown().back().text.find(c.reason), std::string::npos) << c.name;
        me.status.Doc().Close();
    }
    // A file whose lock reaches everyone is neither warned about nor refused.
    OpenMine(true);
    me.prompt.Clear();
    me.status.Edit().WarnIfUnprotected();
    EXPECT_TRUE(me.prompt.Shown().empty());
}

// Single mode marks the document modified and leaves the file alone;
// shared mode writes the change and lets the file go.
TEST_F(EditSessionTest, ACommitMarksModifiedInSingleModeAndWritesInShared) {
    for (const bool shared : {false, true}) {
        SCOPED_TRACE(shared ? "shared" : "single");
        me.status.Doc().Close();
        OpenMine(shared);
        const std::string before = TestFolder::Read(Path());
        ASSERT_TRUE(me.status.Edit().BeginStep());
        me.Project().FindRow(0)->SetCaption("changed");
        EXPECT_TRUE(me.status.Edit().Commit());
        EXPECT_EQ(me.status.Doc().IsModified(), !shared);
        if (!shared) {
            EXPECT_EQ(me.status.Undo().UndoCount(), 1u);
        }
        EXPECT_EQ(TestFolder::Read(Path()) == before, !shared);
        EXPECT_EQ(test::ReadProject(Path())->FindRow(0)->GetCaption(), shared ? "changed" : "A");
        Instance other;
        EXPECT_EQ(other.Open(Path()), shared);
    }
}

TEST_F(EditSessionTest, ARefusedMultiStepChangeLeavesNoUndoStepAndNothingWritten) {
    OpenMine(false);
    EditSession& edit = me.status.Edit();
    ASSERT_TRUE(edit.BeginEdit());
    EXPECT_TRUE(me.status.Edit().IsOpen());
    EXPECT_EQ(me.status.Undo().UndoCount(), 1u);
    // Inside the transaction single steps neither record nor write.
    ASSERT_TRUE(edit.BeginStep());
    EXPECT_TRUE(edit.Commit());
    EXPECT_EQ(me.status.Undo().UndoCount(), 1u);
    edit.CancelEdit();
    EXPECT_FALSE(me.status.Edit().IsOpen());
    EXPECT_EQ(me.status.Undo().UndoCount(), 0u);
    // Single mode keeps its hold on the file after a cancel.
    Instance other;
    EXPECT_FALSE(other.Open(Path()));
}

TEST_F(EditSessionTest, EndEditCommitsOnceAndKeepsTheStep) {
    OpenMine(true);
    EditSession& edit = me.status.Edit();
    ASSERT_TRUE(edit.BeginEdit());
    me.Project().FindRow(2)->SetCaption("first");
    me.Project().FindRow(0)->SetCaption("second");
    edit.EndEdit();
    EXPECT_FALSE(me.status.Edit().IsOpen());
    const auto written = test::ReadProject(Path());
    EXPECT_EQ(written->FindRow(2)->GetCaption(), "first");
    EXPECT_EQ(written->FindRow(0)->GetCaption(), "second");
}

TEST_F(EditSessionTest, ALockedFileReports191AndChangesNothing) {
    OpenMine(true);
    CProjectFile holder(Path());
    ASSERT_NE(holder.Load(true), nullptr);
    EXPECT_FALSE(me.status.Edit().BeginEdit());
    EXPECT_EQ(me.prompt.LastId(), messages::kLocked.id);
    EXPECT_FALSE(me.status.Edit().IsOpen());
    EXPECT_EQ(me.status.Undo().UndoCount(), 0u);
    EXPECT_EQ(me.prompt.Shown().back().icon, PromptIcon::kWarning);
    // The holder left a note saying who it is, which the message adds.
    const std::string& text = me.prompt.Shown().back().text;
    EXPECT_EQ(text.rfind(std::string(messages::kLocked.text) + "\n", 0), 0u) << text;
    EXPECT_TRUE(text.ends_with(" から使用中")) << text;

    me.prompt.Clear();
    EXPECT_FALSE(me.status.Edit().BeginStep());
    EXPECT_EQ(me.prompt.LastId(), messages::kLocked.id);
    EXPECT_EQ(me.status.Undo().UndoCount(), 0u);
}

// The reader empties the project before it meets the damage, so the window
// must hear of it or it would paint objects that are gone.
TEST_F(EditSessionTest, AReloadThatFailsHalfWayIsAnnounced) {
    struct : IDocumentObserver {
        void DocumentReplaced() override {}
        void ContentChanged() override { ++changes; }
        void FlagsChanged() override {}
        int changes = 0;
    } seen;
    OpenMine(true);
    me.status.Doc().AddObserver(&seen);
    const std::string bytes = TestFolder::Read(Path());
    TestFolder::Write(Path(), bytes.substr(0, bytes.size() / 2));
    EXPECT_FALSE(me.status.Edit().BeginStep());
    EXPECT_EQ(seen.changes, 1);
    me.status.Doc().RemoveObserver(&seen);
}

TEST_F(EditSessionTest, AccessorErrorsShowSystemTextOrTheirOwnTextAndNothingForNone) {
    me.New();
    me.status.Doc().UseAccessor(std::make_unique<CProjectFile>(folder.File("missing.qbd")));
    me.status.Edit().ReportAccessorError();
    EXPECT_TRUE(me.prompt.Shown().empty());

    auto* file = static_cast<CProjectFile*>(me.status.Doc().GetAccessor());
    EXPECT_EQ(file->Load(false), nullptr);
    me.status.Edit().ReportAccessorError();
    ASSERT_EQ(me.prompt.Shown().size(), 1u);
    EXPECT_NE(me.prompt.Shown()[0].text.find("Linux Error Code=2"), std::string::npos);

    TestFolder::Write(folder.File("junk.qbd"), "not a project at all");
    file->SetPath(folder.File("junk.qbd"));
    EXPECT_EQ(file->Load(false), nullptr);
    me.status.Edit().ReportAccessorError();
    ASSERT_EQ(me.prompt.Shown().size(), 2u);
    EXPECT_EQ(me.prompt.Shown()[1].text, file->GetErrorMessage());
    EXPECT_FALSE(me.prompt.Shown()[1].text.empty());
}

TEST_F(EditSessionTest, TheSweepDeletesWhatHangsFromMissingRowsAndLinksWithoutEnds) {
    me.Adopt(test::SmallProject(false));
    CProject& project = me.Project();
    project.FindSchedule(4)->SetRowObjectId(99);
    static_cast<CMemo*>(project.FindDrawPart(5))->SetYRowId(98);
    auto freeMemo = std::make_unique<CMemo>(project.NewObjectId());
    const std::int32_t freeId = freeMemo->GetObjectId();
    project.GetDrawParts().Add(std::move(freeMemo));
    project.FindRow(0)->SetDeleted(true);

    me.status.Edit().ConsistencySweep();
    EXPECT_FALSE(IsLive(project.FindSchedule(3)));  // its row lies below a deleted row
    EXPECT_FALSE(IsLive(project.FindSchedule(4)));
    EXPECT_FALSE(IsLive(project.FindDrawPart(5)));
    EXPECT_TRUE(IsLive(project.FindDrawPart(freeId)));
    EXPECT_FALSE(IsLive(project.FindLink(6)));
    EXPECT_EQ(project.FindLink(6)->GetModifier(), "tester");
    EXPECT_TRUE(project.FindLink(6)->GetLastModified().IsValid());
}

TEST_F(EditSessionTest, SwitchingToSharedClearsHistoryAndBackKeepsIt) {
    OpenMine(false);
    ProjectEdits edits = me.Edits();
    ASSERT_TRUE(edits.AddRow("x").ok);
    EXPECT_EQ(me.status.Undo().UndoCount(), 1u);

    ASSERT_TRUE(me.status.Edit().SwitchFileMode());
    EXPECT_TRUE(me.status.IsShared());
    EXPECT_FALSE(me.status.Doc().IsModified());
    EXPECT_FALSE(me.status.Undo().CanUndo());
    EXPECT_TRUE(me.prompt.WasShown(messages::kToSharedMode.id));
    EXPECT_TRUE(test::ReadProject(Path())->IsShared());

    ASSERT_TRUE(edits.AddRow("y").ok);
    ASSERT_EQ(me.status.Undo().UndoCount(), 1u);
    ASSERT_TRUE(me.status.Edit().SwitchFileMode());
    EXPECT_FALSE(me.status.IsShared());
    EXPECT_TRUE(me.prompt.WasShown(messages::kToSingleMode.id));
    EXPECT_EQ(me.status.Undo().UndoCount(), 1u);
    // Single mode holds the file again, so nobody else gets in.
    Instance other;
    EXPECT_FALSE(other.Open(Path()));
}

// The write that would make the file shared cannot land (its folder moved
// away while the document holds it): neither the document nor the file may
// say shared afterwards.
TEST_F(EditSessionTest, ASharedSwitchWhoseWriteFailsLeavesDocumentAndFileSingle) {
    const std::string path = OpenHeld(false);
    me.status.Doc().MarkModified(true);
    MoveHeld(true);
    EXPECT_FALSE(me.status.Edit().SwitchFileMode());
    MoveHeld(false);
    EXPECT_FALSE(me.status.IsShared());
    EXPECT_TRUE(me.status.Doc().IsModified());
    EXPECT_EQ(me.prompt.Shown().back().icon, PromptIcon::kWarning);
    // Still single mode, so still held: nobody else may take the file.
    Instance other;
    EXPECT_FALSE(other.Open(path));
    me.status.Doc().Close();
    const auto onDisk = test::ReadProject(path);
    ASSERT_NE(onDisk, nullptr);
    EXPECT_FALSE(onDisk->IsShared());
}

// A shared commit that cannot write still lets the file go, or this process
// would lock the others out until its next successful edit.
TEST_F(EditSessionTest, ASharedCommitWhoseWriteFailsStillLetsTheFileGo) {
    const std::string path = OpenHeld(true);
    ASSERT_TRUE(me.status.Edit().BeginStep());
    me.Project().FindRow(0)->SetCaption("changed");
    MoveHeld(true);
    EXPECT_FALSE(me.status.Edit().Commit());
    MoveHeld(false);
    Instance other;
    EXPECT_TRUE(other.Open(path));
}

TEST_F(EditSessionTest, DecliningTheModeQuestionsChangesNothing) {
    OpenMine(true);
    me.prompt.QueueAnswer(PromptAnswer::kCancel);
    EXPECT_FALSE(me.status.Edit().SwitchFileMode());
    EXPECT_TRUE(me.status.IsShared());

    Instance single;
    const std::string other = Path() + ".other";
    single.status.Doc().Open(test::SmallProject(false), std::make_unique<CProjectFile>(other),
                             other);
    single.prompt.QueueAnswer(PromptAnswer::kCancel);
    EXPECT_FALSE(single.status.Edit().SwitchFileMode());
    EXPECT_EQ(single.prompt.LastId(), messages::kToSharedMode.id);
    EXPECT_FALSE(single.status.IsShared());
}

TEST_F(EditSessionTest, RefreshSeesOtherWritersAndKeepsTheLocalColumnChoice) {
    OpenMine(true);
    Instance other;
    ASSERT_TRUE(other.Open(Path()));
    me.status.Services().Settings().showColumns = false;
    ProjectEdits theirs = other.Edits();
    const EditResult added = theirs.AddRow("from the other");
    ASSERT_TRUE(added.ok);

    me.status.Edit().RefreshFromFile();
    ASSERT_NE(me.Project().FindRow(added.id), nullptr);
    EXPECT_FALSE(me.Project().IsDisplayColumns());
    Instance third;
    EXPECT_TRUE(third.Open(Path()));  // the refresh let the file go
}

TEST_F(EditSessionTest, RefreshInSingleModeChangesNothingAndForeignDataReopens) {
    OpenMine(false);
    me.Project().FindRow(0)->SetCaption("unsaved");
    me.status.Edit().RefreshFromFile();
    EXPECT_EQ(me.Project().FindRow(0)->GetCaption(), "unsaved");

    int reopened = 0;
    me.status.Edit().SetReopenHook([&] { ++reopened; });
    me.status.Doc().SetForeignData(true);
    me.status.Edit().RefreshFromFile();
    EXPECT_EQ(reopened, 1);
}

}  // namespace
}  // namespace qb
