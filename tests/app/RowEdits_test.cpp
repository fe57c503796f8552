#include "RowEdits.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "AppMessages.h"
#include "CCommandHandler.h"
#include "DocumentCommands.h"
#include "EditFixture.h"
#include "LiveIndex.h"

namespace qb {
namespace {

using test::Instance;
using test::IsLive;
using Ids = std::vector<std::int32_t>;

std::unique_ptr<CRow> Values(const std::string& caption) {
    auto row = std::make_unique<CRow>(CData::kNoObject);
    row->SetCaption(caption);
    row->SetHeight(48);
    row->SetParamInt("_BackColor", 0x00FF00);
    return row;
}

std::vector<std::unique_ptr<CRow>> Lines(const std::vector<std::string>& captions) {
    std::vector<std::unique_ptr<CRow>> rows;
    for (const std::string& caption : captions)
        rows.push_back(Values(caption));
    return rows;
}

// The captions of a sibling list as the row tree shows it.
std::vector<std::string> Captions(const CRowArray& rows) {
    std::vector<std::string> captions;
    rows.ForEach([&](const CRow& row) {
        if (!row.IsDeleted())
            captions.push_back(row.GetCaption());
    });
    return captions;
}

class RowEditsTest : public test::EditTest {
protected:
    RowEdits& Edits() { return me.status.RowEdit(); }
    CRowArray& Top() { return me.Project().GetRows(); }
    CRow* Row(std::int32_t id) { return me.Project().FindRow(id); }
    bool Undo() { return me.status.Commands().Documents().Undo(); }
    bool Redo() { return me.status.Commands().Documents().Redo(); }
};

TEST_F(RowEditsTest, AnInsertedRowTakesTheNextIdTheValuesAndTheCreatorsStamp) {
    OpenMine(false);
    me.status.Services().Settings().userName = "山田";
    auto values = Values("新しい段");
    values->SetObjectId(2);  // never taken
    values->SetModifier("誰か");
    values->GetChildren().Add(std::make_unique<CRow>(1));  // nor are children
    const EditResult added = Edits().InsertRow(*values, CData::kNoObject, 0);
    ASSERT_TRUE(added.ok);
    EXPECT_EQ(added.id, 7);
    EXPECT_EQ(added.ids, Ids{7});
    const CRow* row = Row(7);
    ASSERT_TRUE(IsLive(row));
    EXPECT_EQ(Captions(Top()), (std::vector<std::string>{"新しい段", "A", "B"}));
    EXPECT_EQ(row->GetHeight(), 48);
    EXPECT_EQ(row->GetParamInt("_BackColor", 0), 0x00FF00);
    EXPECT_EQ(row->GetChildren().GetCount(), 0);
    EXPECT_EQ(row->GetRegistrant(), "山田");
    EXPECT_EQ(row->GetModifier(), "");
    EXPECT_TRUE(row->GetLastModified().IsValid());
    EXPECT_EQ(me.Project().GetLastObjectId(), 8);
    EXPECT_TRUE(me.status.Doc().IsModified());

    const EditResult child = Edits().InsertRow(*Values("A2"), 0, -1);
    ASSERT_TRUE(child.ok);
    EXPECT_EQ(Captions(Row(0)->GetChildren()), (std::vector<std::string>{"A1", "A2"}));
    EXPECT_EQ(me.status.Undo().UndoCount(), 2u);
    ASSERT_TRUE(Undo());
    EXPECT_EQ(Row(child.id), nullptr);
    EXPECT_NE(Row(7), nullptr);
    ASSERT_TRUE(Redo());
    EXPECT_NE(Row(child.id), nullptr);
}

// The bulk insertion's lines go above the selected row in the order of the
// text; positions count the rows shown, not the deleted ones still held.
TEST_F(RowEditsTest, BulkRowsEndUpInTextOrderAtTheirPlaceAsOneStep) {
    const struct {
        const char* what;
        std::int32_t owner;
        int index;
        std::vector<std::string> top;
        std::vector<std::string> underA;
    } cases[] = {
        {"above B", CData::kNoObject, 1, {"A", "x", "y", "z", "B"}, {"A1"}},
        {"at the very top", CData::kNoObject, 0, {"x", "y", "z", "A", "B"}, {"A1"}},
        {"appended", CData::kNoObject, -1, {"A", "B", "x", "y", "z"}, {"A1"}},
        {"past the end", CData::kNoObject, 7, {"A", "B", "x", "y", "z"}, {"A1"}},
        {"above A1", 0, 0, {"A", "B"}, {"x", "y", "z", "A1"}},
    };
    for (const auto& c : cases) {
        Instance mine;
        mine.Adopt(test::SmallProject(false));
        const EditResult added =
            mine.status.RowEdit().InsertRows(Lines({"x", "y", "z"}), c.owner, c.index);
        ASSERT_TRUE(added.ok) << c.what;
        EXPECT_EQ(added.ids, (Ids{7, 8, 9})) << c.what;
        CProject& project = *mine.status.GetProject();
        EXPECT_EQ(Captions(project.GetRows()), c.top) << c.what;
        EXPECT_EQ(Captions(project.FindRow(0)->GetChildren()), c.underA) << c.what;
        EXPECT_EQ(project.FindRow(8)->GetCaption(), "y") << c.what;
        EXPECT_EQ(mine.status.Undo().UndoCount(), 1u) << c.what;
        ASSERT_TRUE(mine.status.Commands().Documents().Undo()) << c.what;
        EXPECT_EQ(Captions(mine.status.GetProject()->GetRows()),
                  (std::vector<std::string>{"A", "B"}))
            << c.what;
        EXPECT_EQ(mine.status.GetProject()->FindRow(7), nullptr) << c.what;
    }

    OpenMine(false);
    Row(0)->SetDeleted(true);  // a row deleted before, still held
    ASSERT_TRUE(Edits().InsertRows(Lines({"x"}), CData::kNoObject, 0).ok);
    EXPECT_EQ(LiveIndex::Of(Top(), *Row(7)), 0);
    ASSERT_TRUE(Edits().InsertRows(Lines({"y"}), CData::kNoObject, 1).ok);
    EXPECT_EQ(Captions(Top()), (std::vector<std::string>{"x", "y", "B"}));
    EXPECT_EQ(LiveIndex::Of(Top(), *Row(2)), 2);
}

TEST_F(RowEditsTest, MovesTakeTheBranchAlongAndNeverBelowTheRowItself) {
    OpenMine(false);
    ASSERT_TRUE(Edits().MoveRow(0, 2, -1).ok);
    EXPECT_EQ(Captions(Top()), (std::vector<std::string>{"B"}));
    EXPECT_EQ(Row(0)->GetParentRow(), Row(2));
    EXPECT_EQ(Row(1)->GetParentRow(), Row(0));
    EXPECT_FALSE(Row(0)->GetModifier().empty());
    EXPECT_EQ(me.status.Undo().UndoCount(), 1u);

    for (const std::int32_t owner : {2, 0, 1}) {
        const EditResult refused = Edits().MoveRow(2, owner, -1);
        EXPECT_FALSE(refused.ok) << owner;
        ASSERT_TRUE(refused.message) << owner;
        EXPECT_EQ(refused.message->id, messages::kMoveIntoOwnBranch.id) << owner;
    }
    // Where it is already: no step.
    EXPECT_TRUE(Edits().MoveRow(0, 2, 0).ok);
    EXPECT_EQ(me.status.Undo().UndoCount(), 1u);

    ASSERT_TRUE(Edits().MoveRow(1, CData::kNoObject, 0).ok);
    EXPECT_EQ(Captions(Top()), (std::vector<std::string>{"A1", "B"}));
    ASSERT_TRUE(Undo());
    ASSERT_TRUE(Undo());
    EXPECT_EQ(Captions(Top()), (std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(Captions(Row(0)->GetChildren()), (std::vector<std::string>{"A1"}));
}

TEST_F(RowEditsTest, ChangesAreAllOrNoneAndLeaveCellTextsAndChildren) {
    OpenMine(false);
    Row(0)->SetParam("_c9", "typed since");
    auto a = Values("A'");
    a->SetObjectId(0);
    a->SetParam("_c9", "stale");
    auto b = Values("B'");
    b->SetObjectId(2);
    ASSERT_TRUE(Edits().ChangeRows({a.get(), b.get()}).ok);
    EXPECT_EQ(Row(0)->GetCaption(), "A'");
    EXPECT_EQ(Row(0)->GetParam("_c9"), "typed since");
    EXPECT_EQ(Row(0)->GetParamInt("_BackColor", 0), 0x00FF00);
    EXPECT_EQ(Row(0)->GetChildren().GetCount(), 1);
    EXPECT_EQ(Row(2)->GetHeight(), 48);
    EXPECT_EQ(Row(2)->GetObjectId(), 2);
    EXPECT_EQ(me.status.Undo().UndoCount(), 1u);

    // The same values again: nothing to write, no step.
    EXPECT_TRUE(Edits().ChangeRows({a.get(), b.get()}).ok);
    EXPECT_EQ(me.status.Undo().UndoCount(), 1u);

    auto gone = Values("gone");
    gone->SetObjectId(3);  // a schedule's id, not a row's
    a->SetCaption("A''");
    const EditResult refused = Edits().ChangeRows({a.get(), gone.get()});
    EXPECT_FALSE(refused.ok);
    EXPECT_EQ(Row(0)->GetCaption(), "A'");
    EXPECT_EQ(me.status.Undo().UndoCount(), 1u);
}

TEST_F(RowEditsTest, ACaptionTypedInPlaceIsOneStepAndTheSameTextNone) {
    OpenMine(false);
    ASSERT_TRUE(Edits().SetCaption(1, "第一工程\r\n詳細").ok);
    EXPECT_EQ(Row(1)->GetCaption(), "第一工程\r\n詳細");
    EXPECT_TRUE(Edits().SetCaption(1, "第一工程\r\n詳細").ok);
    EXPECT_EQ(me.status.Undo().UndoCount(), 1u);
    EXPECT_EQ(Edits().SetCaption(99, "x").message->id, messages::kEditTargetGone.id);
}

// Another process deleted a row first: each edit stops with its message,
// writes nothing and lets the file go.
TEST_F(RowEditsTest, SharedModeRefusalsLeaveTheFileAsTheOtherProcessWroteIt) {
    struct Case {
        const char* what;
        std::int32_t deletedByOther;
        std::function<EditResult(RowEdits&)> act;
        int message;
    };
    const std::vector<Case> cases = {
        {"insert a child", 0, [](RowEdits& e) { return e.InsertRow(*Values("x"), 0, -1); },
         messages::kParentRowGone.id},
        {"insert below a gone branch", 0,
         [](RowEdits& e) { return e.InsertRow(*Values("x"), 1, 0); }, messages::kParentRowGone.id},
        {"bulk", 2,
         [](RowEdits& e) {
             return e.InsertRows(Lines({"x", "y"}), 2, 0);
         },
         messages::kParentRowGone.id},
        {"move under", 2, [](RowEdits& e) { return e.MoveRow(0, 2, -1); },
         messages::kParentRowGone.id},
        {"move a gone row", 0, [](RowEdits& e) { return e.MoveRow(0, 2, -1); },
         messages::kTargetGone.id},
        {"caption", 2, [](RowEdits& e) { return e.SetCaption(2, "x"); },
         messages::kEditTargetGone.id},
    };
    for (const Case& c : cases) {
        ExpectRefusedAfterOtherDeleted(
            c.what, c.deletedByOther, [&](Instance& mine) { return c.act(mine.status.RowEdit()); },
            c.message);
    }
}

// In shared mode a row deleted here is dropped by the next reload, and the
// positions the user sees must not shift with it.
TEST_F(RowEditsTest, SharedInsertionLandsWhereTheUserSawItAfterAReload) {
    OpenMine(true);
    ASSERT_TRUE(me.Edits().DeleteObject(0).ok);  // held here as a tombstone
    const int above = LiveIndex::Of(Top(), *Row(2));
    EXPECT_EQ(above, 0);
    ASSERT_TRUE(Edits().InsertRow(*Values("x"), CData::kNoObject, above).ok);
    EXPECT_EQ(Captions(test::ReadProject(Path())->GetRows()), (std::vector<std::string>{"x", "B"}));
}

}  // namespace
}  // namespace qb
