#include "RowPaste.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "AppMessages.h"
#include "CColumn.h"
#include "CCommandHandler.h"
#include "DocumentCommands.h"
#include "EditFixture.h"
#include "RowClipboardStream.h"

namespace qb {
namespace {

using test::Instance;
using test::IsLive;

std::vector<std::string> Captions(const CRowArray& rows) {
    std::vector<std::string> captions;
    rows.ForEach([&](const CRow& row) {
        if (!row.IsDeleted())
            captions.push_back(row.GetCaption());
    });
    return captions;
}

void AddColumn(CProject& project, std::int32_t id, const std::string& heading) {
    auto column = std::make_unique<CColumn>(id);
    column->SetCaption(heading);
    project.GetColumns().Add(std::move(column));
}

// A copied row "X" (id 10) with its child "Y" (11): schedules 12 on X and 13
// on Y joined by link 15, memo 14 on Y; cells of X under the columns "担当"
// (20) and "備考" (21), and one of a column that no longer exists (22).
std::string Block() {
    CProject source;
    auto x = std::make_unique<CRow>(10);
    x->SetCaption("X");
    x->SetParam("_c20", "山田");
    x->SetParam("_c21", "至急");
    x->SetParam("_c22", "古い");
    x->SetParamInt("_BackColor", 0x00FF00);
    auto y = std::make_unique<CRow>(11);
    y->SetCaption("Y");
    x->GetChildren().Add(std::move(y));
    source.GetRows().Add(std::move(x));
    for (std::int32_t id : {12, 13}) {
        auto schedule = std::make_unique<CSchedule>(id);
        schedule->SetRowObjectId(id - 2);
        schedule->SetCaption("s" + std::to_string(id));
        source.GetSchedules().Add(std::move(schedule));
    }
    auto memo = std::make_unique<CMemo>(14);
    memo->SetYRowId(11);
    memo->SetText("メモ");
    source.GetDrawParts().Add(std::move(memo));
    auto link = std::make_unique<CLink>(15);
    link->SetFromId(12);
    link->SetToId(13);
    source.GetLinks().Add(std::move(link));
    AddColumn(source, 20, "担当");
    AddColumn(source, 21, "備考");
    source.SetLastObjectId(23);
    return RowClipboardStream::Write(source, 10);
}

class RowPasteTest : public test::EditTest {
protected:
    // The small project (rows A > A1, B; lastObjectId 7) with columns of
    // the given headings, ids 7, 8, ...
    void OpenWithColumns(const std::vector<std::string>& headings, bool shared = false) {
        auto project = test::SmallProject(shared);
        for (const std::string& heading : headings)
            AddColumn(*project, project->NewObjectId(), heading);
        test::WriteProject(Path(), *project);
        ASSERT_TRUE(me.Open(Path()));
    }
    EditResult Paste(std::string_view block, std::int32_t at) {
        return RowPaste(me.status).Paste(block, at);
    }
    CProject& Project() { return me.Project(); }
    bool Undo() { return me.status.Commands().Documents().Undo(); }
};

TEST_F(RowPasteTest, TheRowGoesAboveTheSelectedOneWithNewIdsAndItsObjectsFollow) {
    OpenWithColumns({"担当"});
    me.status.Services().Settings().userName = "山田";
    me.prompt.QueueAnswer(PromptAnswer::kYes);  // take the schedules and memos along
    const EditResult result = Paste(Block(), 2);
    ASSERT_TRUE(result.ok);
    EXPECT_TRUE(me.prompt.WasShown(messages::kPasteRowContents.id));
    EXPECT_EQ(Captions(Project().GetRows()), (std::vector<std::string>{"A", "X", "B"}));
    // New ids after lastObjectId 8: rows, then schedules, memo, link.
    EXPECT_EQ(result.id, 8);
    const CRow& x = *Project().FindRow(8);
    EXPECT_EQ(Captions(x.GetChildren()), std::vector<std::string>{"Y"});
    EXPECT_EQ(x.GetParamInt("_BackColor", 0), 0x00FF00);
    EXPECT_EQ(x.GetRegistrant(), "山田");
    // The cell moved to the document's column of the same heading; the
    // others have nowhere to go.
    EXPECT_EQ(x.GetParam("_c7"), "山田");
    for (const char* gone : {"_c20", "_c21", "_c22"})
        EXPECT_FALSE(x.HasParam(gone)) << gone;
    const CSchedule* s12 = Project().FindSchedule(10);
    const CSchedule* s13 = Project().FindSchedule(11);
    ASSERT_TRUE(IsLive(s12) && IsLive(s13));
    EXPECT_EQ(s12->GetCaption(), "s12");
    EXPECT_EQ(s12->GetRowObjectId(), 8);
    EXPECT_EQ(s13->GetRowObjectId(), 9);
    const auto* memo = dynamic_cast<const CMemo*>(Project().FindDrawPart(12));
    ASSERT_TRUE(memo);
    EXPECT_EQ(memo->GetYRowId(), 9);
    const CLink* link = Project().FindLink(13);
    ASSERT_TRUE(IsLive(link));
    EXPECT_EQ(link->GetFromId(), 10);
    EXPECT_EQ(link->GetToId(), 11);
    EXPECT_EQ(Project().GetLastObjectId(), 14);

    // One step takes it all back.
    EXPECT_EQ(me.status.Undo().UndoCount(), 1u);
    ASSERT_TRUE(Undo());
    EXPECT_EQ(Captions(Project().GetRows()), (std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(Project().GetSchedules().GetCount(true), 2);
    EXPECT_EQ(Project().GetLinks().GetCount(true), 1);
}

TEST_F(RowPasteTest, PlacesWithoutASelectionAndInsideABranch) {
    OpenWithColumns({});
    me.prompt.QueueAnswer(PromptAnswer::kNo);
    ASSERT_TRUE(Paste(Block(), CData::kNoObject).ok);
    EXPECT_EQ(Captions(Project().GetRows()), (std::vector<std::string>{"A", "B", "X"}));
    me.prompt.QueueAnswer(PromptAnswer::kNo);
    ASSERT_TRUE(Paste(Block(), 1).ok);
    EXPECT_EQ(Captions(Project().FindRow(0)->GetChildren()), (std::vector<std::string>{"X", "A1"}));
}

TEST_F(RowPasteTest, NoToTheContentsQuestionPastesTheRowsAlone) {
    OpenWithColumns({});
    me.prompt.QueueAnswer(PromptAnswer::kNo);
    const EditResult result = Paste(Block(), 2);
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(Captions(Project().FindRow(result.id)->GetChildren()), std::vector<std::string>{"Y"});
    EXPECT_EQ(Project().GetSchedules().GetCount(), 2);
    EXPECT_EQ(Project().GetDrawParts().GetCount(), 1);
    EXPECT_EQ(Project().GetLinks().GetCount(), 1);
    // Nothing to ask about when the block holds rows only.
    CProject rowsOnly;
    rowsOnly.GetRows().Add(std::make_unique<CRow>(1));
    me.prompt.Clear();
    ASSERT_TRUE(Paste(RowClipboardStream::Write(rowsOnly, 1), 2).ok);
    EXPECT_TRUE(me.prompt.Shown().empty());
}

TEST_F(RowPasteTest, DuplicateHeadingsAskFirstAndNoPastesNothing) {
    OpenWithColumns({"担当", "備考", "担当"});
    me.prompt.QueueAnswer(PromptAnswer::kNo);
    const EditResult refused = Paste(Block(), 2);
    EXPECT_FALSE(refused.ok);
    EXPECT_FALSE(refused.message);
    EXPECT_EQ(me.prompt.LastId(), messages::kDuplicateHeadings.id);
    EXPECT_EQ(me.prompt.Shown().size(), 1u);
    EXPECT_EQ(Captions(Project().GetRows()), (std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(me.status.Undo().UndoCount(), 0u);

    me.prompt.QueueAnswer(PromptAnswer::kYes);
    me.prompt.QueueAnswer(PromptAnswer::kNo);
    const EditResult pasted = Paste(Block(), 2);
    ASSERT_TRUE(pasted.ok);
    // The first column of the heading takes the text.
    EXPECT_EQ(Project().FindRow(pasted.id)->GetParam("_c7"), "山田");
    EXPECT_FALSE(Project().FindRow(pasted.id)->HasParam("_c9"));
    EXPECT_EQ(Project().FindRow(pasted.id)->GetParam("_c8"), "至急");
}

TEST_F(RowPasteTest, ABlockThatDoesNotReadIsRefusedWith164AndNothingAsked) {
    OpenWithColumns({});
    CProject outside;
    outside.GetRows().Add(std::make_unique<CRow>(1));
    auto stray = std::make_unique<CSchedule>(2);
    stray->SetRowObjectId(5);
    outside.GetSchedules().Add(std::move(stray));
    const std::string full = Block();
    for (const std::string& block : {std::string("garbage"), full.substr(0, full.size() / 2),
                                     ProjectArchive::WriteProjectArchive(outside)}) {
        me.prompt.Clear();
        const EditResult result = Paste(block, 2);
        EXPECT_FALSE(result.ok);
        ASSERT_TRUE(result.message);
        EXPECT_EQ(result.message->id, messages::kClipboardReadFailed.id);
        EXPECT_EQ(result.message->icon, PromptIcon::kWarning);
        EXPECT_TRUE(me.prompt.Shown().empty());
    }
    EXPECT_EQ(Project().GetLastObjectId(), 7);
    EXPECT_EQ(me.status.Undo().UndoCount(), 0u);
}

TEST_F(RowPasteTest, ASelectedRowAnotherProcessDeletedRefusesWith233) {
    OpenWithColumns({}, true);
    Instance other("other");
    ASSERT_TRUE(other.Open(Path()));
    ASSERT_TRUE(other.Edits().DeleteObject(2).ok);
    const std::string written = TestFolder::Read(Path());
    me.prompt.QueueAnswer(PromptAnswer::kYes);
    const EditResult result = Paste(Block(), 2);
    EXPECT_FALSE(result.ok);
    ASSERT_TRUE(result.message);
    EXPECT_EQ(result.message->id, messages::kInsertMarkGone.id);
    EXPECT_EQ(result.message->icon, PromptIcon::kError);
    EXPECT_EQ(TestFolder::Read(Path()), written);
    EXPECT_TRUE(other.Open(Path()));  // the file was let go

    // Pasting at a row still there writes the file at once.
    me.prompt.QueueAnswer(PromptAnswer::kYes);
    ASSERT_TRUE(Paste(Block(), 0).ok);
    auto saved = test::ReadProject(Path());
    EXPECT_EQ(Captions(saved->GetRows()), (std::vector<std::string>{"X", "A"}));
    // The old link went with the row the other process deleted.
    ASSERT_EQ(saved->GetLinks().GetCount(), 1);
    const auto& link = static_cast<const CLink&>(*saved->GetLinks().GetAt(0));
    const CSchedule* from = saved->FindSchedule(link.GetFromId());
    ASSERT_TRUE(from);
    EXPECT_EQ(from->GetCaption(), "s12");
}

}  // namespace
}  // namespace qb
