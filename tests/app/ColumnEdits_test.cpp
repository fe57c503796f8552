#include "ColumnEdits.h"

#include <gtest/gtest.h>

#include <utility>

#include <memory>
#include <string>
#include <vector>

#include "AppMessages.h"
#include "CCommandHandler.h"
#include "DocumentCommands.h"
#include "EditFixture.h"

namespace qb {
namespace {

using test::Instance;

std::unique_ptr<CColumn> Column(const std::string& caption, int kind = 0, int width = 80) {
    auto column = std::make_unique<CColumn>(CData::kNoObject);
    column->SetCaption(caption);
    column->SetWidth(width);
    column->SetParamInt("_Auto", kind);
    return column;
}

std::vector<std::string> Captions(const CColumnArray& columns) {
    std::vector<std::string> captions;
    columns.ForEach([&](const CColumn& column) {
        if (!column.IsDeleted())
            captions.push_back(column.GetCaption());
    });
    return captions;
}

class ColumnEditsTest : public test::EditTest {
protected:
    ColumnEdits& Edits() { return me.status.ColumnEdit(); }
    CColumnArray& Columns() { return me.Project().GetColumns(); }
    CColumn* Find(std::int32_t id) { return Columns().FindById(id); }
    CRow* Row(std::int32_t id) { return me.Project().FindRow(id); }
    bool Undo() { return me.status.Commands().Documents().Undo(); }
    std::size_t Steps() { return me.status.Undo().UndoCount(); }
    // Columns 7 "担当" (free text), 8 "開始" (start date), 9 "備考" (free text).
    void OpenWithColumns() {
        OpenMine(false);
        ASSERT_EQ(Edits().AddColumn(*Column("担当")).id, 7);
        ASSERT_EQ(Edits().AddColumn(*Column("開始", 1)).id, 8);
        ASSERT_EQ(Edits().AddColumn(*Column("備考")).id, 9);
    }
};

TEST_F(ColumnEditsTest, NewColumnsTakeIdsPlacesAndAtLeastTenPixels) {
    OpenWithColumns();
    EXPECT_EQ(Captions(Columns()), (std::vector<std::string>{"担当", "開始", "備考"}));
    EXPECT_EQ(Find(8)->GetParamInt("_Auto", 0), 1);
    EXPECT_EQ(Find(8)->GetRegistrant(), "tester");
    const EditResult narrow = Edits().AddColumn(*Column("狭い", 0, 3), 0);
    ASSERT_TRUE(narrow.ok);
    EXPECT_EQ(narrow.id, 10);
    EXPECT_EQ(Find(10)->GetWidth(), ColumnEdits::kMinWidth);
    EXPECT_EQ(Captions(Columns()).front(), "狭い");
    EXPECT_EQ(Steps(), 4u);
    ASSERT_TRUE(Undo());
    EXPECT_EQ(Find(10), nullptr);
}

TEST_F(ColumnEditsTest, ChangesKeepTheWidthFloorAndSameValuesMakeNoStep) {
    OpenWithColumns();
    const std::size_t steps = Steps();
    auto values = std::make_unique<CColumn>();
    values->Assign(*Find(7));
    values->SetWidth(10);
    values->SetCaption("担当者");
    ASSERT_TRUE(Edits().ChangeColumn(*values).ok);
    EXPECT_EQ(Find(7)->GetCaption(), "担当者");
    EXPECT_EQ(Find(7)->GetWidth(), 10);
    EXPECT_EQ(Steps(), steps + 1);
    values->SetWidth(9);  // raised to 10: what the column holds already
    EXPECT_TRUE(Edits().ChangeColumn(*values).ok);
    EXPECT_EQ(Steps(), steps + 1);
    values->SetObjectId(42);
    EXPECT_EQ(Edits().ChangeColumn(*values).message->id, messages::kTargetGone.id);
}

TEST_F(ColumnEditsTest, MovesCountThePlacesWithoutTheMovedColumn) {
    const struct {
        std::int32_t id;
        int index;
        std::vector<std::string> order;
    } cases[] = {
        {7, 2, {"開始", "備考", "担当"}}, {7, -1, {"開始", "備考", "担当"}},
        {9, 0, {"備考", "担当", "開始"}}, {7, 1, {"開始", "担当", "備考"}},
        {8, 0, {"開始", "担当", "備考"}},
    };
    for (const auto& c : cases) {
        Instance mine;
        mine.Adopt(test::SmallProject(false));
        ColumnEdits& edits = mine.status.ColumnEdit();
        for (const auto& [caption, kind] :
             std::vector<std::pair<std::string, int>>{{"担当", 0}, {"開始", 1}, {"備考", 0}})
            ASSERT_TRUE(edits.AddColumn(*Column(caption, kind)).ok);
        ASSERT_TRUE(edits.MoveColumn(c.id, c.index).ok);
        EXPECT_EQ(Captions(mine.Project().GetColumns()), c.order) << c.id << " to " << c.index;
    }
    OpenWithColumns();
    const std::size_t steps = Steps();
    ASSERT_TRUE(Edits().MoveColumn(8, 1).ok);  // where it is
    EXPECT_EQ(Steps(), steps);
    ASSERT_TRUE(Edits().MoveColumn(9, 0).ok);
    EXPECT_EQ(Steps(), steps + 1);
    ASSERT_TRUE(Undo());
    EXPECT_EQ(Captions(Columns()), (std::vector<std::string>{"担当", "開始", "備考"}));
}

// A deleted column is still held until the file is written; places count
// the columns shown.
TEST_F(ColumnEditsTest, PlacesCountOnlyTheColumnsShown) {
    OpenWithColumns();
    ASSERT_TRUE(Edits().DeleteColumn(7).ok);
    ASSERT_TRUE(Edits().MoveColumn(9, 0).ok);
    EXPECT_EQ(Captions(Columns()), (std::vector<std::string>{"備考", "開始"}));
    ASSERT_TRUE(Edits().AddColumn(*Column("中"), 1).ok);
    EXPECT_EQ(Captions(Columns()), (std::vector<std::string>{"備考", "中", "開始"}));
    ASSERT_TRUE(Edits().MoveColumn(9, 2).ok);
    EXPECT_EQ(Captions(Columns()), (std::vector<std::string>{"中", "開始", "備考"}));
}

TEST_F(ColumnEditsTest, CellTextsAreTypedInFreeTextColumnsOnly) {
    OpenWithColumns();
    const std::size_t steps = Steps();
    ASSERT_TRUE(Edits().SetCellText(1, 7, "佐藤").ok);
    EXPECT_EQ(Row(1)->GetParam(ColumnEdits::CellName(7)), "佐藤");
    EXPECT_EQ(ColumnEdits::CellName(7), "_c7");
    EXPECT_FALSE(Row(1)->GetModifier().empty());
    EXPECT_TRUE(Edits().SetCellText(1, 7, "佐藤").ok);  // the same text: no step
    EXPECT_EQ(Steps(), steps + 1);
    ASSERT_TRUE(Edits().SetCellText(1, 7, "").ok);
    EXPECT_FALSE(Row(1)->HasParam("_c7"));
    EXPECT_TRUE(Edits().SetCellText(1, 7, "").ok);
    EXPECT_EQ(Steps(), steps + 2);

    const EditResult computed = Edits().SetCellText(1, 8, "2026/05/01");
    EXPECT_FALSE(computed.ok);
    ASSERT_TRUE(computed.message);
    EXPECT_FALSE(Row(1)->HasParam("_c8"));
    EXPECT_EQ(Edits().SetCellText(99, 7, "x").message->id, messages::kEditTargetGone.id);
    EXPECT_EQ(Edits().SetCellText(1, 3, "x").message->id, messages::kEditTargetGone.id);
    EXPECT_EQ(Steps(), steps + 2);
}

TEST_F(ColumnEditsTest, DeletingAColumnTakesItsTextFromEveryRowInOneStep) {
    OpenWithColumns();
    ASSERT_TRUE(Edits().SetCellText(0, 7, "a").ok);
    ASSERT_TRUE(Edits().SetCellText(1, 7, "a1").ok);
    ASSERT_TRUE(Edits().SetCellText(1, 9, "keep").ok);
    const std::size_t steps = Steps();
    ASSERT_TRUE(Edits().DeleteColumn(7).ok);
    EXPECT_TRUE(Find(7)->IsDeleted());
    EXPECT_FALSE(Row(0)->HasParam("_c7"));
    EXPECT_FALSE(Row(1)->HasParam("_c7"));
    EXPECT_EQ(Row(1)->GetParam("_c9"), "keep");
    // Walking the tree makes no child array for a row that has none.
    const CRow fresh;
    EXPECT_EQ(&std::as_const(*Row(1)).GetChildren(), &fresh.GetChildren());
    EXPECT_EQ(Steps(), steps + 1);
    EXPECT_EQ(Edits().DeleteColumn(7).message->id, messages::kTargetGone.id);
    ASSERT_TRUE(Undo());
    EXPECT_FALSE(Find(7)->IsDeleted());
    EXPECT_EQ(Row(1)->GetParam("_c7"), "a1");
}

TEST_F(ColumnEditsTest, AColumnAnotherProcessDeletedIsNotWrittenBack) {
    WriteFile(true);
    {
        Instance first;
        ASSERT_TRUE(first.Open(Path()));
        ASSERT_EQ(first.status.ColumnEdit().AddColumn(*Column("担当")).id, 7);
    }
    Instance mine;
    ASSERT_TRUE(mine.Open(Path()));
    Instance other("other");
    ASSERT_TRUE(other.Open(Path()));
    ASSERT_TRUE(other.status.ColumnEdit().DeleteColumn(7).ok);
    const std::string written = TestFolder::Read(Path());
    EXPECT_EQ(mine.status.ColumnEdit().SetCellText(0, 7, "x").message->id,
              messages::kEditTargetGone.id);
    EXPECT_EQ(mine.status.ColumnEdit().MoveColumn(7, 0).message->id, messages::kTargetGone.id);
    EXPECT_EQ(TestFolder::Read(Path()), written);
}

}  // namespace
}  // namespace qb
