#include "RowCommands.h"

#include <string>
#include <vector>

#include "AppMessages.h"
#include "CFilter.h"
#include "CProjectFile.h"
#include "EditFixture.h"
#include "RowsWindow.h"

namespace qb {
namespace {

using Strings = std::vector<std::string>;

class RowCommandsTest : public test::RowsTest {
protected:
    // OK on the row dialog with a caption, noting where the preview stood.
    void AnswerRow(const std::string& caption) {
        dialogs_.rows.push_back([this, caption](CRow& row) {
            shownWhileOpen_ = Shown(Model().GetRows());
            if (const CGuiRow* preview = Model().GetPreviewRow()) {
                previewParent_ = preview->GetParent() ? preview->GetParent()->GetCaption() : "";
                previewHeight_ = row.GetHeight();
            }
            row.SetCaption(caption);
        });
    }

    Strings shownWhileOpen_;
    std::string previewParent_ = "(none)";
    int previewHeight_ = 0;
};

TEST_F(RowCommandsTest, EachInsertionPutsTheRowWhereItsPreviewStood) {
    struct Case {
        const char* what;
        int command;
        int selected;  // 0 none, 1 A, 2 B
        Strings top;
        Strings childrenOfA;
    };
    const std::vector<Case> cases = {
        {"above, nothing selected", cmd::kInsertRowAbove, 0, {"N", "A", "B", "C"}, {"A1"}},
        {"below, nothing selected", cmd::kInsertRowBelow, 0, {"A", "B", "C", "N"}, {"A1"}},
        {"above B", cmd::kInsertRowAbove, 2, {"A", "N", "B", "C"}, {"A1"}},
        {"below B", cmd::kInsertRowBelow, 2, {"A", "B", "N", "C"}, {"A1"}},
        {"child of A", cmd::kInsertChildRow, 1, {"A", "B", "C"}, {"A1", "N"}},
    };
    for (const Case& c : cases) {
        const std::string before = SavedContent();
        Select(c.selected == 0 ? std::vector<std::int32_t>{}
                               : std::vector<std::int32_t>{c.selected == 1 ? a_ : b_});
        AnswerRow("N");
        const std::size_t undos = Undos();
        ASSERT_TRUE(Handler().Execute(c.command)) << c.what;
        EXPECT_TRUE(dialogs_.rowDialogNew) << c.what;
        EXPECT_EQ(Captions(Project().GetRows()), c.top) << c.what;
        EXPECT_EQ(Captions(Project().FindRow(a_)->GetChildren()), c.childrenOfA) << c.what;
        EXPECT_EQ(Undos(), undos + 1) << c.what;
        // The chart showed the new row in place while the dialog was open.
        Strings shown = c.top;
        for (std::string& caption : shown) {
            if (caption == "N")
                caption = "新しい段";
        }
        if (c.command != cmd::kInsertChildRow)
            EXPECT_EQ(shownWhileOpen_, shown) << c.what;
        else
            EXPECT_EQ(previewParent_, "A") << c.what;
        ASSERT_EQ(Selection().size(), 1u) << c.what;
        EXPECT_EQ(Project().FindRow(Selection().front())->GetCaption(), "N") << c.what;
        EXPECT_EQ(Model().GetPreviewRow(), nullptr) << c.what;

        ASSERT_TRUE(status_->Commands().Execute(cmd::kUndo)) << c.what;
        Show();
        EXPECT_TRUE(SavedContent() == before) << c.what;
    }
}

// The rules for each mode are the defaults' own; the dialog shows what they give.
TEST_F(RowCommandsTest, NewRowsTakeTheProjectDefaultsAndAFirstChildInBoxModeItsParentsHeight) {
    Project().SetParamInt("_DefRowHeight", 33);
    Project().SetParamInt("_DefRowTextColor", 0x0000FF);
    Project().SetParamInt("_Indent", 0);
    const std::int32_t tall = AddRow(Project().GetRows(), "tall", 60);
    Show();
    CRow shown;
    for (const std::int32_t parent : {tall, a_}) {
        Select({parent});
        dialogs_.rows.push_back([&shown](CRow& row) { shown.CopyFrom(row); });
        ASSERT_TRUE(Handler().Execute(cmd::kInsertChildRow));
        EXPECT_EQ(shown.GetHeight(), parent == tall ? 60 : 33);
        EXPECT_EQ(shown.GetCaption(), "新しい段");
        EXPECT_EQ(shown.GetTextColor(), 0x0000FFu);
        EXPECT_EQ(shown.GetWidth(), 64);
    }
}

TEST_F(RowCommandsTest, CancelLeavesTheProjectAsItWasAndTheSelectionWhereItStood) {
    Select({b_});
    const std::string before = Saved();
    for (const int command : {cmd::kInsertRowAbove, cmd::kInsertRowBelow, cmd::kInsertChildRow}) {
        EXPECT_FALSE(Handler().Execute(command));
        EXPECT_EQ(Saved(), before);
        EXPECT_EQ(Shown(Model().GetRows()), (Strings{"A", "B", "C"}));
        EXPECT_EQ(Model().GetPreviewRow(), nullptr);
        EXPECT_EQ(Selection(), std::vector<std::int32_t>{b_});
    }
    EXPECT_EQ(dialogs_.objectDialogs, 3);
    EXPECT_EQ(Undos(), 0u);
}

TEST_F(RowCommandsTest, InsertionWaitsForAWritableDocumentWithoutFilterConditions) {
    const int inserts[] = {cmd::kInsertRowAbove, cmd::kInsertRowBelow, cmd::kInsertRowsText};
    for (const int id : inserts)
        EXPECT_TRUE(Enabled(id)) << id;
    EXPECT_FALSE(Enabled(cmd::kInsertChildRow));
    Select({a_});
    EXPECT_TRUE(Enabled(cmd::kInsertChildRow));

    Model().Filters().Set(text_, {"田中"});
    for (const int id : inserts)
        EXPECT_FALSE(Enabled(id)) << id;
    EXPECT_FALSE(Enabled(cmd::kInsertChildRow));
    EXPECT_FALSE(Handler().Execute(cmd::kInsertRowBelow));
    EXPECT_EQ(dialogs_.objectDialogs, 0);
    Model().Filters().Clear();

    status_->Doc().SetReadOnly(true);
    for (const int id : {cmd::kInsertRowAbove, cmd::kInsertChildRow, cmd::kInsertRowsText,
                         cmd::kBulkRows, cmd::kProperties, cmd::kDelete, cmd::kEditText})
        EXPECT_FALSE(Enabled(id)) << id;
    EXPECT_TRUE(Enabled(cmd::kFindRow));
}

TEST_F(RowCommandsTest, BulkTextGoesAboveTheSelectedRowInItsOrderAsOneStep) {
    Select({b_});
    dialogs_.rowsTexts = {"", "x\\ny\r\nP\\\\Q\rR\n\r\nS"};
    ASSERT_TRUE(Handler().Execute(cmd::kInsertRowsText));
    // The empty text kept the dialog open; the second closed it.
    EXPECT_EQ(dialogs_.rowsTextAnswers, (std::vector<bool>{false, true}));
    EXPECT_EQ(Captions(Project().GetRows()), (Strings{"A", "x\r\ny", "P\\Q", "R", "S", "B", "C"}));
    EXPECT_EQ(Undos(), 1u);
    EXPECT_EQ(prompt_.LastId(), 162);
    EXPECT_EQ(prompt_.Shown().back().icon, PromptIcon::kInformation);
    EXPECT_EQ(Selection(), std::vector<std::int32_t>{b_});

    // Without a selection the rows are appended to the top level.
    Select({});
    dialogs_.rowsTexts = {"D\r\nE"};
    ASSERT_TRUE(Handler().Execute(cmd::kInsertRowsText));
    const Strings top = Captions(Project().GetRows());
    EXPECT_EQ(Strings(top.end() - 3, top.end()), (Strings{"C", "D", "E"}));
}

TEST_F(RowCommandsTest, PropertiesPreviewOnTheRowAndChangeItAsOneStep) {
    Select({b_});
    std::string previewed;
    dialogs_.rows.push_back([&](CRow& row) {
        row.SetCaption("B2");
        row.SetHeight(45);
    });
    const std::int32_t b = b_;
    window_.viewChanges = 0;
    ASSERT_TRUE(Handler().Execute(cmd::kProperties));
    EXPECT_FALSE(dialogs_.rowDialogNew);
    EXPECT_GT(window_.viewChanges, 1);
    EXPECT_EQ(Project().FindRow(b)->GetCaption(), "B2");
    EXPECT_EQ(Project().FindRow(b)->GetHeight(), 45);
    EXPECT_EQ(Project().FindRow(b)->GetParam(ColumnEdits::CellName(text_)), "鈴木");
    EXPECT_EQ(Undos(), 1u);

    // Cancel changes nothing.
    EXPECT_FALSE(Handler().Execute(cmd::kProperties));
    EXPECT_EQ(Undos(), 1u);
}

TEST_F(RowCommandsTest, BulkChangeGivesTheTickedValuesToEverySelectedRow) {
    Project().FindRow(b_)->SetWidth(90);
    Show();
    Select({a_, b_});
    dialogs_.rowChanges.push_back([](RowChanges& changes) {
        changes.height = true;
        changes.values.height = 50;
        changes.values.width = 10;  // not ticked
    });
    ASSERT_TRUE(Handler().Execute(cmd::kBulkRows));
    EXPECT_EQ(dialogs_.shownRowChanges->values.height, 20);
    EXPECT_FALSE(dialogs_.shownRowChanges->Any());
    EXPECT_EQ(Project().FindRow(a_)->GetHeight(), 50);
    EXPECT_EQ(Project().FindRow(b_)->GetHeight(), 50);
    EXPECT_EQ(Project().FindRow(b_)->GetWidth(), 90);
    EXPECT_EQ(Project().FindRow(c_)->GetHeight(), 20);
    EXPECT_EQ(Undos(), 1u);
}

TEST_F(RowCommandsTest, DeleteAsksAndHandsTheSelectionToTheNextRow) {
    Select({b_});
    prompt_.QueueAnswer(PromptAnswer::kCancel);
    EXPECT_FALSE(Handler().Execute(cmd::kDelete));
    EXPECT_EQ(Captions(Project().GetRows()), (Strings{"A", "B", "C"}));

    prompt_.QueueAnswer(PromptAnswer::kOk);
    ASSERT_TRUE(Handler().Execute(cmd::kDelete));
    EXPECT_EQ(Captions(Project().GetRows()), (Strings{"A", "C"}));
    EXPECT_EQ(Selection(), std::vector<std::int32_t>{c_});
    EXPECT_EQ(Undos(), 1u);
}

TEST_F(RowCommandsTest, CaptionTypedInPlaceUnlessTheCaptionsAreFiltered) {
    Select({b_});
    Model().SetCurrentColumn(-1);
    ASSERT_TRUE(Handler().Execute(cmd::kEditText));
    EXPECT_EQ(window_.editedCell, std::make_pair(b_, CData::kNoObject));
    EXPECT_TRUE(Handler().Rows().CommitCaption(b_, "Bee"));
    EXPECT_EQ(Project().FindRow(b_)->GetCaption(), "Bee");
    EXPECT_EQ(Undos(), 1u);
    // The same text again is no change.
    EXPECT_TRUE(Handler().Rows().CommitCaption(b_, "Bee"));
    EXPECT_EQ(Undos(), 1u);

    Model().Filters().Set(CFilter::kCaptions, {"Bee"});
    window_.editedCell = {-2, -2};
    prompt_.Clear();
    EXPECT_FALSE(Handler().Execute(cmd::kEditText));
    EXPECT_EQ(window_.editedCell.first, -2);
    EXPECT_EQ(prompt_.Shown().size(), 1u);
    EXPECT_FALSE(Handler().Rows().CommitCaption(b_, "Bea"));
    EXPECT_FALSE(Handler().Execute(cmd::kProperties));
    EXPECT_EQ(Project().FindRow(b_)->GetCaption(), "Bee");
    EXPECT_EQ(dialogs_.objectDialogs, 0);
}

// Shared mode: the file is taken for each change, and what another process
// did to it meanwhile counts.
class SharedRowsTest : public test::EditTest {
protected:
    SharedRowsTest() {
        me.status.SetView(&window);
        me.status.Services().SetDialogs(&dialogs);
    }
    ~SharedRowsTest() override {
        me.status.Services().SetDialogs(nullptr);
        me.status.SetView(nullptr);
    }
    void ShowMine() {
        me.status.SetViewMode(CStatus::kMonthView);
        window.scene.Open(me.Project());
        window.scene.SetSize(800, 400);
    }
    CDisplayModel& Model() { return window.scene.GetModel(); }

    test::RowsWindow window;
    test::ScriptedDialogs dialogs;
};

TEST_F(SharedRowsTest, BulkTextWhileAnotherProcessHoldsTheFileStaysInTheDialog) {
    OpenMine(true);
    ShowMine();
    const std::string before = TestFolder::Read(Path());
    // OK while the file is held fails; the dialog keeps the text so that
    // the user can try again.
    dialogs.rowsTexts = {"X\r\nY"};
    {
        CProjectFile holder(Path());
        ASSERT_NE(holder.Load(true), nullptr);
        EXPECT_FALSE(me.status.Commands().Execute(cmd::kInsertRowsText));
    }
    EXPECT_EQ(dialogs.rowsTextAnswers, std::vector<bool>{false});
    EXPECT_TRUE(me.prompt.WasShown(messages::kLocked.id));
    EXPECT_FALSE(me.prompt.WasShown(162));
    EXPECT_EQ(TestFolder::Read(Path()), before);

    dialogs.rowsTexts = {"X\r\nY"};
    EXPECT_TRUE(me.status.Commands().Execute(cmd::kInsertRowsText));
    EXPECT_TRUE(me.prompt.WasShown(162));
    EXPECT_NE(test::ReadProject(Path())->FindRowByCaption("Y"), nullptr);
}

TEST_F(SharedRowsTest, AnOwnerRowAnotherProcessDeletedStopsTheInsertionWith199) {
    OpenMine(true);
    ShowMine();
    test::Instance other("other");
    ASSERT_TRUE(other.Open(Path()));
    ASSERT_TRUE(other.Edits().DeleteObject(0).ok);
    const std::string written = TestFolder::Read(Path());

    Model().ClearSelection();
    Model().Select(0, false);
    dialogs.rows.push_back([](CRow& row) { row.SetCaption("child"); });
    EXPECT_FALSE(me.status.Commands().Execute(cmd::kInsertChildRow));
    EXPECT_EQ(me.prompt.LastId(), messages::kParentRowGone.id);
    EXPECT_EQ(TestFolder::Read(Path()), written);
    EXPECT_EQ(Model().GetPreviewRow(), nullptr);
}

}  // namespace
}  // namespace qb
