#include "ProjectEdits.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "AppMessages.h"
#include "EditFixture.h"
#include "EditSession.h"

namespace qb {
namespace {

using test::Instance;
using test::IsLive;

const DateOffset kStart(COleDateTime(2026, 5, 1, 0, 0, 0), 0);
const DateOffset kEnd(COleDateTime(2026, 5, 3, 0, 0, 0), 9999);

class ProjectEditsTest : public test::EditTest {
protected:
    ProjectEdits edits = me.Edits();
};

TEST_F(ProjectEditsTest, NewObjectsTakeTheNextIdsAndTheCreatorsStamp) {
    OpenMine(false);
    me.status.Services().Settings().userName = "山田";
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
    EXPECT_TRUE(me.status.Doc().IsModified());
    EXPECT_EQ(me.status.Undo().UndoCount(), 2u);
}

TEST_F(ProjectEditsTest, RowIndexesCountTheRowsShownAndRejectPositionsBeyond) {
    OpenMine(false);
    me.Project().FindRow(0)->SetDeleted(true);  // a tombstone before row B
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
    OpenMine(false);
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

    // Link ends must be live objects other than rows and the link itself.
    EXPECT_TRUE(edits.SetProperties(6, {{"toId", "5"}}).ok);   // the memo
    EXPECT_FALSE(edits.SetProperties(6, {{"toId", "1"}}).ok);  // a row
    EXPECT_FALSE(edits.SetProperties(6, {{"toId", "6"}}).ok);  // itself
    EXPECT_EQ(me.Project().FindLink(6)->GetToId(), 5);
}

TEST_F(ProjectEditsTest, BadNamesValuesAndReferencesChangeNothing) {
    OpenMine(true);
    const std::string before = TestFolder::Read(Path());
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

TEST_F(ProjectEditsTest, DeletingARowTakesItsBranchAndEverythingOnIt) {
    OpenMine(false);
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
    // Nothing new under what went.
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
    ProjectEdits firstEdits = first.Edits();
    ProjectEdits secondEdits = second.Edits();
    ASSERT_TRUE(firstEdits.DeleteObject(0).ok);

    const EditResult refused = secondEdits.SetProperties(3, {{"caption", "late"}});
    EXPECT_FALSE(refused.ok);
    ASSERT_TRUE(refused.message);
    EXPECT_EQ(refused.message->id, messages::kRowGone.id);
    EXPECT_EQ(refused.message->icon, PromptIcon::kError);
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

    EXPECT_EQ(second.Edits().SetProperties(3, {{"caption", "x"}}).message->id,
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
    ProjectEdits a = first.Edits();
    ProjectEdits b = second.Edits();
    std::set<std::int32_t> ids;
    for (int i = 0; i < 5; ++i) {
        ids.insert(a.AddSchedule(2, kStart, kEnd).id);
        ids.insert(b.AddSchedule(2, kStart, kEnd).id);
    }
    EXPECT_EQ(ids.size(), 10u);
    EXPECT_EQ(test::ReadProject(Path())->GetSchedules().GetCount(), 12);
}

}  // namespace
}  // namespace qb
