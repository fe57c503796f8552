#include "ChartCommands.h"

#include <string>
#include <vector>

#include "AppMessages.h"
#include "CMemo.h"
#include "CSchedule.h"
#include "DocumentCommands.h"
#include "RowsWindow.h"

namespace qb {
namespace {

using test::Date;

// Rows P (child P1, folded) and Q; schedules a on P1 and b, c, d on Q; a memo
// m on Q; links a->b, c->b and c->m; d stands alone.
class ChartCommandsTest : public test::ChartTest {
protected:
    ChartCommandsTest() {
        p_ = AddRow(Project().GetRows(), "P");
        p1_ = AddRow(Project().FindRow(p_)->GetChildren(), "P1");
        q_ = AddRow(Project().GetRows(), "Q");
        a_ = AddSchedule(p1_, "a");
        b_ = AddSchedule(q_, "b");
        c_ = AddSchedule(q_, "c");
        d_ = AddSchedule(q_, "d");
        m_ = Build().Memo(q_, Date(2024, 4, 20)).GetObjectId();
        ab_ = Build().Link(a_, b_).GetObjectId();
        cb_ = Build().Link(c_, b_).GetObjectId();
        cm_ = Build().Link(c_, m_).GetObjectId();
        Show();
        Model().SetFolded(p_, true);
        Scene().Relayout();
    }

    std::int32_t AddSchedule(std::int32_t row, const std::string& caption) {
        return Build().Schedule(row, Date(2024, 4, 10), Date(2024, 4, 15), caption).GetObjectId();
    }
    void Show() { ChartTest::Show(600, 300); }
    std::vector<std::int32_t> Selection() { return SortedSelection(); }

    std::int32_t p_ = 0, p1_ = 0, q_ = 0, a_ = 0, b_ = 0, c_ = 0, d_ = 0, m_ = 0;
    std::int32_t ab_ = 0, cb_ = 0, cm_ = 0;
};

constexpr int kCommands[] = {cmd::kSelectAll, cmd::kSelectLinked, cmd::kDragSelect,
                             cmd::kMemoMode,  cmd::kDelete,       cmd::kProperties,
                             cmd::kEditText,  cmd::kInsertLink,   cmd::kInsertSchedule};

TEST_F(ChartCommandsTest, WhatEachSelectionOffers) {
    struct Case {
        const char* what;
        std::vector<std::int32_t> selection;
        std::vector<int> enabled;
    };
    const std::vector<Case> cases = {
        {"nothing", {}, {cmd::kSelectAll, cmd::kDragSelect, cmd::kMemoMode}},
        {"a schedule",
         {0},
         {cmd::kSelectLinked, cmd::kDelete, cmd::kProperties, cmd::kInsertLink,
          cmd::kInsertSchedule}},
        {"a memo",
         {1},
         {cmd::kSelectLinked, cmd::kDelete, cmd::kProperties, cmd::kEditText, cmd::kInsertLink,
          cmd::kInsertSchedule}},
        {"a link", {2}, {cmd::kSelectLinked, cmd::kDelete, cmd::kProperties}},
        {"two schedules", {0, 3}, {cmd::kSelectLinked, cmd::kDelete, cmd::kInsertSchedule}},
        // A row is deleted, edited and renamed by the row commands.
        {"a row", {4}, {cmd::kDelete, cmd::kProperties, cmd::kEditText, cmd::kInsertSchedule}},
    };
    const std::int32_t ids[] = {b_, m_, cb_, d_, q_};
    const std::vector<int> always = {cmd::kSelectAll, cmd::kDragSelect, cmd::kMemoMode};
    for (const Case& c : cases) {
        std::vector<std::int32_t> selection;
        for (int index : c.selection)
            selection.push_back(ids[index]);
        Select(selection);
        for (int id : kCommands) {
            const bool expected = std::count(c.enabled.begin(), c.enabled.end(), id) > 0 ||
                                  std::count(always.begin(), always.end(), id) > 0;
            EXPECT_EQ(Enabled(id), expected) << c.what << ", command " << id;
        }
    }

    // Read-only: only selecting and the drag-select mode are left.
    Select({b_});
    status_->Doc().SetReadOnly(true);
    for (int id : kCommands) {
        const bool expected =
            id == cmd::kSelectAll || id == cmd::kSelectLinked || id == cmd::kDragSelect;
        EXPECT_EQ(Enabled(id), expected) << "read-only, command " << id;
        if (!expected) {
            EXPECT_FALSE(Handler().Execute(id));
        }
    }
    status_->Doc().SetReadOnly(false);

    // No chart: the project page, then no document.
    status_->SetViewMode(CStatus::kProjectPage);
    for (int id : kCommands)
        EXPECT_FALSE(Enabled(id)) << "project page, command " << id;
    status_->SetViewMode(CStatus::kMonthView);
    ASSERT_TRUE(Handler().Execute(cmd::kClose));
    for (int id : kCommands)
        EXPECT_FALSE(Enabled(id)) << "no document, command " << id;
}

TEST_F(ChartCommandsTest, TheTwoModesExcludeEachOtherAndShowTheirMarks) {
    ASSERT_TRUE(Handler().Execute(cmd::kDragSelect));
    EXPECT_EQ(status_->GetEditMode(), CStatus::kDragSelectMode);
    EXPECT_TRUE(Handler().State(cmd::kDragSelect).checked);
    ASSERT_TRUE(Handler().Execute(cmd::kMemoMode));
    EXPECT_EQ(status_->GetEditMode(), CStatus::kMemoInputMode);
    EXPECT_FALSE(Handler().State(cmd::kDragSelect).checked);
    EXPECT_TRUE(Handler().State(cmd::kMemoMode).checked);
    ASSERT_TRUE(Handler().Execute(cmd::kMemoMode));
    EXPECT_EQ(status_->GetEditMode(), CStatus::kNormalMode);
    EXPECT_FALSE(Handler().State(cmd::kMemoMode).checked);
}

TEST_F(ChartCommandsTest, SelectAllTakesObjectsOnFoldedRowsToo) {
    ASSERT_FALSE(Model().FindRow(p1_)->IsVisible());
    ASSERT_TRUE(Handler().Execute(cmd::kSelectAll));
    EXPECT_EQ(Selection(), (std::vector<std::int32_t>{a_, b_, c_, d_, m_, ab_, cb_, cm_}));
}

TEST_F(ChartCommandsTest, SelectLinkedFollowsLinksBothWaysAndOverSeveral) {
    Select({a_});  // a -> b <- c -> m
    ASSERT_TRUE(Handler().Execute(cmd::kSelectLinked));
    EXPECT_EQ(Selection(), (std::vector<std::int32_t>{a_, b_, c_, m_, ab_, cb_, cm_}));
    Select({cm_});  // a link reaches its ends
    ASSERT_TRUE(Handler().Execute(cmd::kSelectLinked));
    EXPECT_EQ(Selection(), (std::vector<std::int32_t>{a_, b_, c_, m_, ab_, cb_, cm_}));
    Select({d_});
    ASSERT_TRUE(Handler().Execute(cmd::kSelectLinked));
    EXPECT_EQ(Selection(), std::vector<std::int32_t>{d_});
}

TEST_F(ChartCommandsTest, DeletingOneObjectAsksFirstAndTakesItsLinks) {
    const std::string before = Saved();
    Select({c_});
    prompt_.QueueAnswer(PromptAnswer::kCancel);
    EXPECT_FALSE(Handler().Execute(cmd::kDelete));
    ASSERT_EQ(prompt_.Shown().size(), 1u);
    EXPECT_EQ(prompt_.Shown().back().text, "削除します。よろしいですか？");
    EXPECT_EQ(Saved(), before);
    EXPECT_EQ(status_->Undo().UndoCount(), 0u);

    Select({c_});
    ASSERT_TRUE(Handler().Execute(cmd::kDelete));
    EXPECT_FALSE(Live(c_));
    EXPECT_FALSE(Live(cb_));
    EXPECT_FALSE(Live(cm_));
    EXPECT_TRUE(Live(b_));
    EXPECT_TRUE(Selection().empty());

    // Several go without a question, in one step.
    Show();
    prompt_.Clear();
    Select({b_, m_});
    ASSERT_TRUE(Handler().Execute(cmd::kDelete));
    EXPECT_TRUE(prompt_.Shown().empty());
    EXPECT_FALSE(Live(b_));
    EXPECT_FALSE(Live(ab_));
    EXPECT_EQ(status_->Undo().UndoCount(), 2u);
}

TEST_F(ChartCommandsTest, PropertiesApplyWhatTheDialogConfirmedAndPreviewWhileOpen) {
    Select({b_});
    dialogs_.schedules.push_back([](CSchedule& values) {
        EXPECT_EQ(values.GetCaption(), "b");
        values.SetCaption("設計");
        values.SetEndDate(Date(2024, 4, 20));
    });
    ASSERT_TRUE(Handler().Execute(cmd::kProperties));
    const CSchedule* schedule = Project().FindSchedule(b_);
    EXPECT_EQ(schedule->GetCaption(), "設計");
    EXPECT_EQ(schedule->GetEndDate(), Date(2024, 4, 20));
    EXPECT_EQ(window_.previews, (std::vector<std::string>{"設計", "(end)", "(end)"}));
    EXPECT_EQ(Selection(), std::vector<std::int32_t>{b_});

    // Links and memos open their own dialogs.
    Show();
    Select({cb_});
    dialogs_.links.push_back([](CLink& values) { values.SetLinePen(CPenInfo(0, 3, 255)); });
    ASSERT_TRUE(Handler().Execute(cmd::kProperties));
    EXPECT_EQ(Project().FindLink(cb_)->GetLinePen(), CPenInfo(0, 3, 255));
    Show();
    Select({m_});
    dialogs_.memos.push_back([](CMemo& values) { values.SetText("メモ"); });
    ASSERT_TRUE(Handler().Execute(cmd::kProperties));
    EXPECT_EQ(static_cast<CMemo*>(Project().FindDrawPart(m_))->GetText(), "メモ");
    EXPECT_EQ(status_->Undo().UndoCount(), 3u);
}

TEST_F(ChartCommandsTest, CancelledPropertiesChangeNothing) {
    const std::string before = Saved();
    Select({b_});
    EXPECT_FALSE(Handler().Execute(cmd::kProperties));
    EXPECT_EQ(dialogs_.objectDialogs, 1);
    EXPECT_EQ(Saved(), before);
    EXPECT_EQ(status_->Undo().UndoCount(), 0u);
    EXPECT_FALSE(status_->Doc().IsModified());
    EXPECT_EQ(window_.previews, std::vector<std::string>{"(end)"});

    // Gone meanwhile: the refusal is shown and nothing is written.
    Project().FindSchedule(b_)->SetDeleted(true);
    dialogs_.schedules.push_back([](CSchedule& values) { values.SetCaption("late"); });
    EXPECT_FALSE(Handler().Execute(cmd::kProperties));
    EXPECT_EQ(prompt_.LastId(), messages::kEditTargetGone.id);
    EXPECT_EQ(Project().FindSchedule(b_)->GetCaption(), "b");
    EXPECT_EQ(status_->Undo().UndoCount(), 0u);
}

TEST_F(ChartCommandsTest, TextAndLinkCommandsHandOverToTheChart) {
    Select({m_});
    ASSERT_TRUE(Handler().Execute(cmd::kEditText));
    EXPECT_EQ(window_.editedMemo, m_);
    ASSERT_TRUE(Handler().Execute(cmd::kInsertLink));
    EXPECT_EQ(window_.linksBegun, 1);

    // Not on an object the chart does not show (a is on a folded row).
    Select({a_});
    EXPECT_FALSE(Enabled(cmd::kInsertLink));
    EXPECT_TRUE(Enabled(cmd::kProperties));

    Select({m_});
    Palette& palette = status_->GetPalette();
    palette.SetCurrentLine(palette.LineStyleCount() - 1);
    ASSERT_TRUE(palette.IsNoLine());
    EXPECT_FALSE(Handler().Execute(cmd::kInsertLink));
    EXPECT_EQ(window_.linksBegun, 1);
    ASSERT_FALSE(prompt_.Shown().empty());
    EXPECT_EQ(prompt_.Shown().back().text,
              "パレットダイアログバーで「線なし」が選択されている場合、リンクを作成することが"
              "できません。");
}

TEST_F(ChartCommandsTest, AnInsertedScheduleLiesOnTheSelectedRowForAWeekAndIsSelected) {
    Select({d_});  // an object on row Q
    Scene().ScrollLeftTo(Date(2024, 5, 1));
    CSchedule shown;
    dialogs_.schedules.push_back([&](CSchedule& values) {
        shown.CopyFrom(values);
        values.SetCaption("新しい作業");
    });
    ASSERT_TRUE(Handler().Execute(cmd::kInsertSchedule));
    EXPECT_EQ(shown.GetRowObjectId(), q_);
    EXPECT_EQ(shown.GetStartDate(), Scene().LeftDate().DatePart());
    EXPECT_EQ(shown.GetEndDate(), Scene().LeftDate().DatePart().AddDays(7));
    CSchedule fromPalette;
    status_->GetPalette().ApplyTo(fromPalette);
    EXPECT_EQ(shown.GetScheduleType(), fromPalette.GetScheduleType());
    EXPECT_EQ(shown.GetBgColor(), fromPalette.GetBgColor());
    const std::int32_t id = Project().GetLastObjectId() - 1;
    ASSERT_TRUE(Live(id));
    EXPECT_EQ(Project().FindSchedule(id)->GetCaption(), "新しい作業");
    EXPECT_EQ(Selection(), std::vector<std::int32_t>{id});

    // Today in view is where it starts; Cancel adds nothing.
    Scene().SetToday(Date(2024, 5, 10));
    Select({q_});
    ASSERT_FALSE(Handler().Execute(cmd::kInsertSchedule));
    EXPECT_EQ(Project().GetLastObjectId(), id + 1);
    EXPECT_EQ(window_.previews.back(), "(end)");
    dialogs_.schedules.push_back([&](CSchedule& values) { shown.CopyFrom(values); });
    ASSERT_TRUE(Handler().Execute(cmd::kInsertSchedule));
    EXPECT_EQ(shown.GetStartDate(), Date(2024, 5, 10));
}

}  // namespace
}  // namespace qb
