#include "ColumnCommands.h"

#include <string>
#include <vector>

#include "CGuiColumnArray.h"
#include "RowsWindow.h"

namespace qb {
namespace {

using Strings = std::vector<std::string>;

class ColumnCommandsTest : public test::RowsTest {
protected:
    std::string Cell(std::int32_t row, std::int32_t column) {
        return Project().FindRow(row)->GetParam(ColumnEdits::CellName(column));
    }
    CColumn& Column(std::int32_t id) { return *Project().FindColumn(id); }
    ColumnCommands& Commands() { return Handler().Columns(); }
};

TEST_F(ColumnCommandsTest, ANewColumnGoesAfterTheSelectedOneOrAtTheEnd) {
    CColumn shown;
    dialogs_.columns.push_back([&shown](CColumn& column) {
        shown.Assign(column);
        column.SetCaption("X");
    });
    ASSERT_TRUE(Handler().Execute(cmd::kInsertColumn));
    EXPECT_TRUE(dialogs_.columnDialogNew);
    EXPECT_EQ(shown.GetCaption(), "新しい列");
    EXPECT_EQ(shown.GetWidth(), 80);
    EXPECT_EQ(shown.GetParamInt("_Auto", -1), 0);
    EXPECT_EQ(Columns(), (Strings{"担当", "件名", "X"}));
    ASSERT_EQ(Selection().size(), 1u);
    EXPECT_EQ(Project().FindColumn(Selection().front())->GetCaption(), "X");

    Select({text_});
    dialogs_.columns.push_back([](CColumn& column) { column.SetCaption("Y"); });
    ASSERT_TRUE(Handler().Execute(cmd::kInsertColumn));
    EXPECT_EQ(Columns(), (Strings{"担当", "Y", "件名", "X"}));
    EXPECT_EQ(Undos(), 2u);

    EXPECT_FALSE(Handler().Execute(cmd::kInsertColumn));  // cancelled
    EXPECT_EQ(Undos(), 2u);
}

TEST_F(ColumnCommandsTest, PropertiesPreviewInTheHeaderAndChangeTheColumn) {
    Select({text_});
    bool previewed = false;
    dialogs_.columns.push_back([&](CColumn& column) {
        column.SetCaption("担当者");
        column.SetWidth(120);
    });
    window_.viewChanges = 0;
    ASSERT_TRUE(Handler().Execute(cmd::kProperties));
    previewed = window_.viewChanges > 1;
    EXPECT_TRUE(previewed);
    EXPECT_FALSE(dialogs_.columnDialogNew);
    EXPECT_EQ(Column(text_).GetCaption(), "担当者");
    EXPECT_EQ(Column(text_).GetWidth(), 120);
    EXPECT_FALSE(static_cast<const CGuiColumn*>(Model().FindObject(text_))->IsPreview());
    EXPECT_EQ(Undos(), 1u);
}

TEST_F(ColumnCommandsTest, DeleteAsksThenTakesTheCellsAndSelectsTheNextShownColumn) {
    const std::int32_t third = AddColumn("third", 0);
    Show();
    Model().SetColumnHidden(computed_, true);
    Select({text_});
    prompt_.QueueAnswer(PromptAnswer::kCancel);
    EXPECT_FALSE(Handler().Execute(cmd::kDelete));
    EXPECT_EQ(prompt_.Shown().back().text,
              "全ての段におけるこの列のデータが削除されます。よろしいですか？");
    EXPECT_EQ(Columns().size(), 3u);

    prompt_.QueueAnswer(PromptAnswer::kOk);
    ASSERT_TRUE(Handler().Execute(cmd::kDelete));
    EXPECT_EQ(Columns(), (Strings{"件名", "third"}));
    EXPECT_EQ(Cell(b_, text_), "");
    EXPECT_EQ(Cell(a1_, text_), "");
    EXPECT_EQ(Selection(), std::vector<std::int32_t>{third});
    EXPECT_EQ(Undos(), 1u);
}

TEST_F(ColumnCommandsTest, CellTextIsTypedInFreeTextColumnsThatNoFilterUses) {
    Select({b_});
    Model().SetCurrentColumn(1);  // computed
    EXPECT_FALSE(Enabled(cmd::kEditText));
    Model().SetCurrentColumn(0);
    ASSERT_TRUE(Handler().Execute(cmd::kEditText));
    EXPECT_EQ(window_.editedCell, std::make_pair(b_, text_));

    EXPECT_TRUE(Commands().CommitCellText(b_, text_, "佐藤"));
    EXPECT_EQ(Cell(b_, text_), "佐藤");
    EXPECT_EQ(Undos(), 1u);
    EXPECT_FALSE(Commands().CommitCellText(b_, computed_, "x"));
    EXPECT_EQ(Undos(), 1u);

    Model().Filters().Set(text_, {"佐藤"});
    window_.editedCell = {-2, -2};
    EXPECT_FALSE(Handler().Execute(cmd::kEditText));
    EXPECT_EQ(prompt_.LastId(), 189);
    EXPECT_EQ(window_.editedCell.first, -2);
    prompt_.Clear();
    EXPECT_FALSE(Commands().CommitCellText(b_, text_, "高橋"));
    EXPECT_EQ(prompt_.LastId(), 189);
    EXPECT_EQ(Cell(b_, text_), "佐藤");
    EXPECT_EQ(Undos(), 1u);
}

TEST_F(ColumnCommandsTest, HeaderDragsAreOneStepEach) {
    EXPECT_TRUE(Commands().CommitWidth(text_, 3));
    EXPECT_EQ(Column(text_).GetWidth(), 10);
    EXPECT_EQ(Undos(), 1u);
    EXPECT_TRUE(Commands().CommitWidth(text_, 10));  // no change, no step
    EXPECT_EQ(Undos(), 1u);

    const std::int32_t third = AddColumn("third", 0);
    Show();
    struct Case {
        std::int32_t column;
        int index;
        Strings order;
    };
    const std::vector<Case> cases = {
        {text_, 2, {"件名", "third", "担当"}},
        {text_, 0, {"担当", "件名", "third"}},
        {third, 1, {"担当", "third", "件名"}},
        {third, 9, {"担当", "件名", "third"}},
    };
    for (const Case& c : cases) {
        EXPECT_TRUE(Commands().CommitMove(c.column, c.index));
        EXPECT_EQ(Columns(), c.order) << c.column << " to " << c.index;
    }
    EXPECT_EQ(Undos(), 5u);
    EXPECT_TRUE(Commands().CommitMove(third, 2));  // where it stands
    EXPECT_EQ(Undos(), 5u);
}

TEST_F(ColumnCommandsTest, HiddenColumnsComeBackBesideTheSelectedOne) {
    const std::int32_t third = AddColumn("third", 0);
    Show();
    Select({computed_});
    ASSERT_TRUE(Handler().Execute(cmd::kHide));
    EXPECT_TRUE(Model().FindObject(computed_)->IsHidden());
    Select({text_});
    EXPECT_FALSE(Enabled(cmd::kShowLeftColumn));
    ASSERT_TRUE(Handler().Execute(cmd::kShowRightColumn));
    EXPECT_FALSE(Model().FindObject(computed_)->IsHidden());

    Model().SetColumnHidden(computed_, true);
    Select({third});
    EXPECT_FALSE(Enabled(cmd::kShowRightColumn));
    ASSERT_TRUE(Handler().Execute(cmd::kShowLeftColumn));
    EXPECT_FALSE(Model().FindObject(computed_)->IsHidden());
    EXPECT_FALSE(Model().HasHiddenColumns());
}

}  // namespace
}  // namespace qb
