#include "ProjectEdits.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <random>
#include <set>
#include <vector>

#include "AppMessages.h"
#include "EditFixture.h"
#include "EditSession.h"
#include "LockedFile.h"

namespace qb {
namespace {

using test::Instance;
using test::IsLive;

const DateOffset kStart(COleDateTime(2026, 5, 1, 0, 0, 0), 0);
const DateOffset kEnd(COleDateTime(2026, 5, 3, 0, 0, 0), 9999);

class ProjectEditsTest : public ::testing::Test {
protected:
    std::string Path() const { return folder.File("plan.qbd"); }
    void WriteFile(bool shared) { test::WriteProject(Path(), *test::SmallProject(shared)); }

    TestFolder folder;
};

TEST_F(ProjectEditsTest, NewObjectsTakeTheNextIdsAndTheCreatorsStamp) {
    WriteFile(false);
    Instance me("山田");
    ASSERT_TRUE(me.Open(Path()));
    ProjectEdits edits(me.status);
    const EditResult row = edits.AddRow("新しい段", 0, 0);
    ASSERT_TRUE(row.ok);
    EXPECT_EQ(row.id, 7);
    const CRow* added = me.Project().FindRow(7);
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(added->GetParentRow(), me.Project().FindRow(0));
    EXPECT_EQ(added->GetIndex(), 0);
    EXPECT_EQ(added->GetRegistrant(), "山田");
    EXPECT_TRUE(added->GetLastModified().IsValid());

    const EditResult bar = edits.AddSchedule(7, kStart, kEnd, "作業");
    ASSERT_TRUE(bar.ok);
    EXPECT_EQ(bar.id, 8);
    const CSchedule* schedule = me.Project().FindSchedule(8);
    EXPECT_EQ(schedule->GetRowObjectId(), 7);
    EXPECT_EQ(schedule->GetEndOffset(), 9999);
    EXPECT_EQ(schedule->GetCaption(), "作業");
    EXPECT_EQ(me.Project().GetLastObjectId(), 9);
    EXPECT_TRUE(me.status.modified);
    EXPECT_EQ(me.status.Undo().UndoCount(), 2u);
}

TEST_F(ProjectEditsTest, RowIndexesCountTheRowsShownAndRejectPositionsBeyond) {
    WriteFile(false);
    Instance me;
    ASSERT_TRUE(me.Open(Path()));
    me.Project().FindRow(0)->SetDeleted(true);  // a tombstone before row B
    ProjectEdits edits(me.status);
    const EditResult first = edits.AddRow("first", CData::kNoObject, 0);
    ASSERT_TRUE(first.ok);
    EXPECT_EQ(me.Project().FindRow(first.id)->GetIndex(), 1);  // before B, after the tombstone
    const EditResult last = edits.AddRow("last", CData::kNoObject, 2);
    ASSERT_TRUE(last.ok);
    EXPECT_EQ(me.Project().FindRow(last.id)->GetIndex(), 3);
    const std::size_t steps = me.status.Undo().UndoCount();
    const EditResult beyond = edits.AddRow("beyond", CData::kNoObject, 9);
    EXPECT_FALSE(beyond.ok);
    ASSERT_TRUE(beyond.message);
    EXPECT_EQ(me.status.Undo().UndoCount(), steps);
}

TEST_F(ProjectEditsTest, PropertiesAreSetByNameAndStampTheModifier) {
    WriteFile(false);
    Instance me;
    ASSERT_TRUE(me.Open(Path()));
    ProjectEdits edits(me.status);
    const EditResult result = edits.SetProperties(3, {{"caption", "設計"},
                                                      {"bgColor", "255"},
                                                      {"captionHAlign", "2"},
                                                      {"byDay", "false"},
                                                      {"edgePen", "1,2,3"},
                                                      {"startDate", "2026/06/01 00:00:00(0)"},
                                                      {"rowObjectId", "2"}});
    ASSERT_TRUE(result.ok);
    const CSchedule* schedule = me.Project().FindSchedule(3);
    EXPECT_EQ(schedule->GetCaption(), "設計");
    EXPECT_EQ(schedule->GetBgColor(), 255u);
    EXPECT_EQ(schedule->GetCaptionHAlign(), 2);
    EXPECT_FALSE(schedule->IsByDay());
    EXPECT_EQ(schedule->GetEdgePen(), CPenInfo(1, 2, 3));
    EXPECT_EQ(schedule->GetStartDate(), COleDateTime(2026, 6, 1, 0, 0, 0));
    EXPECT_EQ(schedule->GetRowObjectId(), 2);
    EXPECT_EQ(schedule->GetModifier(), "tester");
}

TEST_F(ProjectEditsTest, BadNamesValuesAndReferencesChangeNothing) {
    WriteFile(true);
    Instance me;
    ASSERT_TRUE(me.Open(Path()));
    const std::string before = TestFolder::Read(Path());
    ProjectEdits edits(me.status);
    const std::vector<ProjectEdits::PropertyValues> refused = {
        {{"caption", "ok"}, {"colour", "1"}},
        {{"caption", "ok"}, {"weight", "12x"}},
        {{"captionVAlign", "3"}},
        {{"byDay", "yes"}},
        {{"startDate", "2026/02/30 00:00:00(0)"}},
        {{"edgePen", "1,2"}},
        {{"weight", "99999999999"}},
        {{"objectId", "40"}},
        {{"deleted", "true"}},
        {{"rowObjectId", "77"}},
        {{"rowObjectId", "3"}},
        {},
    };
    for (const auto& values : refused) {
        const EditResult result = edits.SetProperties(3, values);
        EXPECT_FALSE(result.ok);
        EXPECT_TRUE(result.message.has_value());
    }
    EXPECT_EQ(TestFolder::Read(Path()), before);
    EXPECT_EQ(me.Project().FindSchedule(3)->GetCaption(), "");
    EXPECT_EQ(me.status.Undo().UndoCount(), 0u);
    Instance other;
    EXPECT_TRUE(other.Open(Path()));  // every refusal let the file go
}

TEST_F(ProjectEditsTest, LinkEndsMustBeLiveObjects) {
    WriteFile(false);
    Instance me;
    ASSERT_TRUE(me.Open(Path()));
    ProjectEdits edits(me.status);
    EXPECT_TRUE(edits.SetProperties(6, {{"toId", "5"}}).ok);   // the memo
    EXPECT_FALSE(edits.SetProperties(6, {{"toId", "1"}}).ok);  // a row
    EXPECT_FALSE(edits.SetProperties(6, {{"toId", "6"}}).ok);  // itself
    EXPECT_EQ(me.Project().FindLink(6)->GetToId(), 5);
}

TEST_F(ProjectEditsTest, DeletingARowTakesItsBranchAndEverythingOnIt) {
    WriteFile(false);
    Instance me;
    ASSERT_TRUE(me.Open(Path()));
    ProjectEdits edits(me.status);
    ASSERT_TRUE(edits.DeleteObject(0).ok);
    CProject& project = me.Project();
    EXPECT_FALSE(IsLive(project.FindRow(0)));
    EXPECT_FALSE(IsLive(project.FindRow(1)));
    EXPECT_FALSE(IsLive(project.FindSchedule(3)));
    EXPECT_FALSE(IsLive(project.FindLink(6)));
    EXPECT_TRUE(IsLive(project.FindRow(2)));
    EXPECT_TRUE(IsLive(project.FindSchedule(4)));
    EXPECT_TRUE(IsLive(project.FindDrawPart(5)));
    EXPECT_EQ(project.FindSchedule(3)->GetModifier(), "tester");

    const EditResult again = edits.DeleteObject(1);
    EXPECT_FALSE(again.ok);
    EXPECT_EQ(again.message->id, messages::kTargetGone.id);
    const EditResult never = edits.DeleteObject(500);
    EXPECT_FALSE(never.ok);
    EXPECT_EQ(never.message->id, 0);
}

TEST_F(ProjectEditsTest, AddingUnderAGoneParentOrRowIsRefused) {
    WriteFile(false);
    Instance me;
    ASSERT_TRUE(me.Open(Path()));
    ProjectEdits edits(me.status);
    ASSERT_TRUE(edits.DeleteObject(0).ok);
    EXPECT_EQ(edits.AddRow("x", 1).message->id, messages::kParentRowGone.id);
    EXPECT_EQ(edits.AddSchedule(1, kStart, kEnd).message->id, messages::kRowGone.id);
    EXPECT_FALSE(edits.AddSchedule(2, kEnd, kStart).ok);  // ends before it starts
}

// One process deletes a row; the other still shows a schedule on it.
TEST_F(ProjectEditsTest, AnEditOnARowAnotherProcessDeletedIsRefusedWith195) {
    WriteFile(true);
    Instance first("first");
    Instance second("second");
    ASSERT_TRUE(first.Open(Path()));
    ASSERT_TRUE(second.Open(Path()));
    ProjectEdits firstEdits(first.status);
    ProjectEdits secondEdits(second.status);
    ASSERT_TRUE(firstEdits.DeleteObject(0).ok);

    const EditResult refused = secondEdits.SetProperties(3, {{"caption", "late"}});
    EXPECT_FALSE(refused.ok);
    ASSERT_TRUE(refused.message);
    EXPECT_EQ(refused.message->id, messages::kRowGone.id);
    EXPECT_EQ(refused.message->icon, PromptIcon::kError);
    second.status.Edit().RefreshFromFile();
    EXPECT_FALSE(IsLive(second.Project().FindSchedule(3)));
    EXPECT_FALSE(IsLive(test::ReadProject(Path())->FindSchedule(3)));
}

// A writer that left the schedule behind: the sweep after a reload removes it.
TEST_F(ProjectEditsTest, ASchedulesWhoseRowVanishedIsSweptOnRefresh) {
    WriteFile(true);
    Instance second;
    ASSERT_TRUE(second.Open(Path()));
    auto project = test::SmallProject(true);
    project->GetRows().At(0)->GetChildren().DeleteAll();
    test::WriteProject(Path(), *project);

    EXPECT_EQ(ProjectEdits(second.status).SetProperties(3, {{"caption", "x"}}).message->id,
              messages::kRowGone.id);
    second.status.Edit().RefreshFromFile();
    ASSERT_NE(second.Project().FindSchedule(3), nullptr);
    EXPECT_TRUE(second.Project().FindSchedule(3)->IsDeleted());
}

TEST_F(ProjectEditsTest, IdsStayUniqueAcrossReloadsOfTwoWriters) {
    WriteFile(true);
    Instance first;
    Instance second;
    ASSERT_TRUE(first.Open(Path()));
    ASSERT_TRUE(second.Open(Path()));
    ProjectEdits a(first.status);
    ProjectEdits b(second.status);
    std::set<std::int32_t> ids;
    for (int i = 0; i < 5; ++i) {
        ids.insert(a.AddSchedule(2, kStart, kEnd).id);
        ids.insert(b.AddSchedule(2, kStart, kEnd).id);
    }
    EXPECT_EQ(ids.size(), 10u);
    EXPECT_EQ(test::ReadProject(Path())->GetSchedules().GetCount(), 12);
}

// Each child is a separate program adding its share through the same code.
TEST_F(ProjectEditsTest, EightProcessesAddingTogetherLoseNothing) {
    constexpr int kProcesses = 8;
    constexpr int kEach = 200;
    WriteFile(true);
    std::vector<pid_t> children;
    for (int p = 0; p < kProcesses; ++p) {
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            int failures = 0;
            {
                Instance me("p" + std::to_string(p));
                me.status.fileRetry = test::QuickRetry(1000000);
                if (!me.Open(Path()))
                    ::_exit(2);
                ProjectEdits edits(me.status);
                for (int i = 0; i < kEach; ++i) {
                    const std::string caption = std::to_string(p) + "/" + std::to_string(i);
                    if (!edits.AddSchedule(2, kStart, kEnd, caption).ok)
                        ++failures;
                }
            }
            ::_exit(failures == 0 ? 0 : 1);
        }
        children.push_back(pid);
    }
    for (pid_t pid : children) {
        int status = 0;
        ASSERT_EQ(::waitpid(pid, &status, 0), pid);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    const auto project = test::ReadProject(Path());
    ASSERT_NE(project, nullptr);
    std::set<std::int32_t> ids;
    std::set<std::string> captions;
    project->GetSchedules().ForEach([&](const CSchedule& schedule) {
        ids.insert(schedule.GetObjectId());
        captions.insert(schedule.GetCaption());
    });
    EXPECT_EQ(project->GetSchedules().GetCount(), 2 + kProcesses * kEach);
    EXPECT_EQ(ids.size(), static_cast<std::size_t>(2 + kProcesses * kEach));
    EXPECT_EQ(captions.size(), static_cast<std::size_t>(1 + kProcesses * kEach));
    EXPECT_EQ(project->GetLastObjectId(), 7 + kProcesses * kEach);
}

TEST_F(ProjectEditsTest, AWriterKilledAtAnyMomentNeverLeavesAFileReadersRefuse) {
    test::WriteProject(Path(), *test::SmallProject(true));
    std::mt19937 random(20261207);
    for (int round = 0; round < 20; ++round) {
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            Instance me;
            me.status.fileRetry = test::QuickRetry(1000000);
            if (me.Open(Path())) {
                ProjectEdits edits(me.status);
                for (;;)
                    edits.AddSchedule(2, kStart, kEnd, std::string(200, 'x'));
            }
            ::_exit(2);
        }
        ::usleep(std::uniform_int_distribution<useconds_t>(2000, 40000)(random));
        ::kill(pid, SIGKILL);
        int status = 0;
        ASSERT_EQ(::waitpid(pid, &status, 0), pid);
        ASSERT_TRUE(WIFSIGNALED(status));

        CProjectFile reader(Path(), test::QuickRetry());
        std::unique_ptr<CProject> project = reader.Load(false);
        ASSERT_NE(project, nullptr) << "round " << round << ": " << reader.GetErrorMessage();
        EXPECT_TRUE(project->IsShared());
    }
    // The next save clears what the killed writers left half-written.
    Instance last;
    ASSERT_TRUE(last.Open(Path()));
    ASSERT_TRUE(ProjectEdits(last.status).AddRow("after").ok);
    const std::string prefix = LockedFile::TempPrefixFor(Path());
    for (const auto& entry : std::filesystem::directory_iterator(folder.Path()))
        EXPECT_FALSE(entry.path().string().starts_with(prefix)) << entry.path();
}

}  // namespace
}  // namespace qb
