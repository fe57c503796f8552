#include "CDisplayModel.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "CColumn.h"
#include "CColumnArray.h"
#include "CDrawPartArray.h"
#include "CGuiRow.h"
#include "CGuiSchedule.h"
#include "CLink.h"
#include "CLinkArray.h"
#include "CMemo.h"
#include "CSchedule.h"
#include "CScheduleArray.h"
#include "RowTreeBuilder.h"

namespace qb {
namespace {

// R1, a deleted row, R2 with children c1, a deleted one, c2 and c3; c3 has g1.
class NumberingTest : public ::testing::Test {
protected:
    NumberingTest() {
        tree.Add("R1", 20);
        tree.Add("gone", 20).SetDeleted(true);
        CRow& r2 = tree.Add("R2", 20);
        tree.Child(r2, "c1", 20);
        tree.Child(r2, "gone", 20).SetDeleted(true);
        tree.Child(r2, "c2", 20);
        CRow& c3 = tree.Child(r2, "c3", 20);
        g1 = tree.Child(c3, "g1", 20).GetObjectId();
        c3Id = c3.GetObjectId();
    }
    std::string NumberOf(std::int32_t id) { return model.FindRow(id)->GetNumberText(); }

    RowTreeBuilder tree;
    CDisplayModel model;
    std::int32_t g1 = 0;
    std::int32_t c3Id = 0;
};

TEST_F(NumberingTest, NumbersSkipDeletedRowsHierarchicallyOrAmongSiblings) {
    const struct {
        int mode;
        const char* c3;
        const char* g1;
    } cases[] = {{0, "", ""}, {1, "3", "1"}, {2, "2-3", "2-3-1"}};
    for (const auto& c : cases) {
        tree.Project().SetParamInt("_Renban", c.mode);
        model.Rebuild(tree.Project());
        EXPECT_EQ(NumberOf(c3Id), c.c3) << c.mode;
        EXPECT_EQ(NumberOf(g1), c.g1) << c.mode;
    }
    EXPECT_EQ(model.GetRows().Size(), 2u);
    EXPECT_EQ(model.FindRow(c3Id)->GetIndex(), 2);
    EXPECT_EQ(model.FindRow(g1)->DisplayText(2), "2-3-1　g1");
    EXPECT_EQ(model.FindRow(g1)->DisplayText(0), "g1");
}

TEST(CDisplayModel, ProjectWithoutRowsHasNoHeightAndNoBands) {
    RowTreeBuilder tree;
    CDisplayModel model;
    EXPECT_FALSE(model.IsBuilt());
    model.Rebuild(tree.Project());
    model.Layout(ChartContext{});
    EXPECT_TRUE(model.IsBuilt());
    EXPECT_EQ(model.TotalHeight(), 0);
    EXPECT_TRUE(model.GetLineRows().empty());
    EXPECT_EQ(model.RowAt(0), nullptr);
}

TEST(CDisplayModel, RowsCarryTheirCellTextsAndBackgroundFromParams) {
    RowTreeBuilder tree;
    auto column = std::make_unique<CColumn>(tree.Project().NewObjectId());
    const std::int32_t columnId = column->GetObjectId();
    tree.Project().GetColumns().Add(std::move(column));
    CRow& row = tree.Add("A", 20);
    row.SetParam("_c" + std::to_string(columnId), "cell");
    row.SetParamInt("_BackColor", 0x00FF00);
    CDisplayModel model;
    model.Rebuild(tree.Project());
    const CGuiRow& built = *model.FindRow(row.GetObjectId());
    EXPECT_EQ(built.GetCellTexts(), std::vector<std::string>{"cell"});
    EXPECT_EQ(built.GetBackColour(), 0x00FF00u);
    EXPECT_EQ(model.GetColumns().Size(), 1u);
}

// Ids are meant to be unique, but a file may repeat one: the id then names
// the row, else the column, else the schedule, else the memo, else the link.
TEST(CDisplayModel, AnIdSharedByObjectsOfSeveralKindsNamesTheFirstKind) {
    RowTreeBuilder tree;
    CProject& project = tree.Project();
    const std::int32_t rowId = tree.Add("A", 20).GetObjectId();
    const std::int32_t columnId = project.NewObjectId();
    project.GetColumns().Add(std::make_unique<CColumn>(columnId));
    const std::int32_t scheduleId = project.NewObjectId();
    const std::int32_t memoId = project.NewObjectId();
    for (const std::int32_t id : {columnId, rowId, scheduleId, memoId}) {
        auto schedule = std::make_unique<CSchedule>(id);
        schedule->SetRowObjectId(rowId);
        project.GetSchedules().Add(std::move(schedule));
    }
    for (const std::int32_t id : {scheduleId, memoId})
        project.GetDrawParts().Add(std::make_unique<CMemo>(id));
    const std::int32_t linkId = project.NewObjectId();
    for (const std::int32_t id : {memoId, linkId}) {
        auto link = std::make_unique<CLink>(id);
        link->SetFromId(scheduleId);
        link->SetToId(memoId);
        project.GetLinks().Add(std::move(link));
    }
    CDisplayModel model;
    model.Rebuild(project);
    ASSERT_EQ(model.GetSchedules().Size(), 4u);
    EXPECT_EQ(model.FindObject(rowId)->GetObjectType(), CGuiObject::kRow);
    EXPECT_EQ(model.FindObject(columnId)->GetObjectType(), CGuiObject::kColumn);
    EXPECT_EQ(model.FindObject(scheduleId)->GetObjectType(), CGuiObject::kSchedule);
    EXPECT_EQ(model.FindObject(memoId)->GetObjectType(), CGuiObject::kSchedule);
    EXPECT_EQ(model.FindObject(linkId)->GetObjectType(), CGuiObject::kLink);
    EXPECT_EQ(model.Tree().FindObject(memoId, CGuiObject::kMemo), nullptr);
    // Every schedule still finds its row, and the links their ends.
    for (std::size_t i = 0; i < model.GetSchedules().Size(); ++i)
        EXPECT_EQ(model.GetSchedules().At(i)->GetRow(), model.FindRow(rowId));
    EXPECT_EQ(model.GetLinks().Size(), 2u);
}

// P over P1, P2, P3; then Q.
class RowStateTest : public ::testing::Test {
protected:
    RowStateTest() {
        CRow& p = tree.Add("P", 20);
        pId = p.GetObjectId();
        p1 = tree.Child(p, "P1", 20).GetObjectId();
        p2 = tree.Child(p, "P2", 20).GetObjectId();
        p3 = tree.Child(p, "P3", 20).GetObjectId();
        qId = tree.Add("Q", 20).GetObjectId();
        model.Rebuild(tree.Project());
    }

    RowTreeBuilder tree;
    CDisplayModel model;
    std::int32_t pId = 0, p1 = 0, p2 = 0, p3 = 0, qId = 0;
};

// Every row as a model built from nothing shows it, and every schedule on
// the row of that model's tree.
void ExpectRowsAsFresh(const CDisplayModel& model, CProject& project) {
    CDisplayModel fresh;
    fresh.Rebuild(project);
    std::vector<const CGuiRow*> kept;
    std::vector<const CGuiRow*> made;
    DisplayTree::ForEachRow(model.Tree().GetRows(), [&](CGuiRow& row) { kept.push_back(&row); });
    DisplayTree::ForEachRow(fresh.Tree().GetRows(), [&](CGuiRow& row) { made.push_back(&row); });
    ASSERT_EQ(kept.size(), made.size());
    for (std::size_t i = 0; i < made.size(); ++i) {
        SCOPED_TRACE(made[i]->GetCaption());
        EXPECT_EQ(kept[i]->GetObjectId(), made[i]->GetObjectId());
        EXPECT_EQ(kept[i]->GetCaption(), made[i]->GetCaption());
        EXPECT_EQ(kept[i]->GetSerial(), made[i]->GetSerial());
        EXPECT_EQ(kept[i]->GetLevel(), made[i]->GetLevel());
        EXPECT_EQ(kept[i]->GetNumberText(), made[i]->GetNumberText());
        EXPECT_EQ(kept[i]->GetIndex(), made[i]->GetIndex());
        EXPECT_EQ(kept[i]->GetParent() ? kept[i]->GetParent()->GetObjectId() : -1,
                  made[i]->GetParent() ? made[i]->GetParent()->GetObjectId() : -1);
        EXPECT_EQ(&kept[i]->GetRow(), &made[i]->GetRow());
    }
    for (std::size_t i = 0; i < model.GetSchedules().Size(); ++i) {
        const CGuiSchedule& schedule = *model.GetSchedules().At(i);
        const CGuiRow* row = fresh.GetSchedules().At(i)->GetRow();
        EXPECT_EQ(schedule.GetRow(), row ? model.FindRow(row->GetObjectId()) : nullptr) << i;
    }
}

// A rebuild keeps each row whose data did not change at the same place among
// the same siblings, as a new row would be; any other row is made anew, and
// the schedules follow the rows they name.
TEST_F(RowStateTest, ARebuildKeepsUnchangedRowsAndRemakesTheRest) {
    const auto rowOn = [&](std::int32_t id, std::int32_t scheduleId) {
        auto schedule = std::make_unique<CSchedule>(scheduleId);
        schedule->SetRowObjectId(id);
        tree.Project().GetSchedules().Add(std::move(schedule));
    };
    rowOn(p3, 100);
    rowOn(qId, 101);
    model.Rebuild(tree.Project());
    const CGuiRow* p = model.FindRow(pId);
    const CGuiRow* q = model.FindRow(qId);
    model.FindRow(qId)->SetHidden(true);
    model.FindRow(p1)->SetSelected(true);
    model.FindRow(pId)->SetFolded(true);
    model.FindRow(p3)->SetFilteredOutFlag(true);

    CRow& second = *tree.Project().GetRows().At(0)->GetChildren().At(1);
    second.SetCaption("P2 renamed");
    model.Rebuild(tree.Project());
    EXPECT_EQ(model.FindRow(pId), p);
    EXPECT_EQ(model.FindRow(qId), q);
    EXPECT_EQ(model.FindRow(p2)->GetCaption(), "P2 renamed");
    EXPECT_FALSE(q->IsHidden()) << "a kept row starts as a new one";
    EXPECT_FALSE(model.FindRow(p1)->IsSelected());
    EXPECT_FALSE(p->IsFolded());
    EXPECT_FALSE(model.FindRow(p3)->GetFilteredOutFlag());
    ExpectRowsAsFresh(model, tree.Project());

    const std::vector<std::function<void()>> edits = {
        [&] { tree.Child(*tree.Project().GetRows().At(0), "P4", 20); },
        [&] { tree.Project().GetRows().At(0)->GetChildren().At(0)->SetDeleted(true); },
        [&] { tree.Add("R", 20); },
        [&] { tree.Project().GetRows().At(0)->SetDeleted(true); },
        [&] { tree.Project().GetRows().At(0)->SetDeleted(false); },
        [&] {
            auto moved = tree.Project().GetRows().RemoveAt(1);
            tree.Project().GetRows().InsertAt(0, std::move(moved));
        },
    };
    for (std::size_t i = 0; i < edits.size(); ++i) {
        SCOPED_TRACE(i);
        edits[i]();
        model.Rebuild(tree.Project());
        ExpectRowsAsFresh(model, tree.Project());
    }
}

// Fold, hide and selection survive a rebuild; those of vanished rows are dropped.
TEST_F(RowStateTest, StatesSurviveARebuildExceptThoseOfVanishedRows) {
    model.SetFolded(pId, true);
    model.HideRow(qId);
    model.Select(p2, false);
    model.Select(qId, true);
    model.Rebuild(tree.Project());
    EXPECT_TRUE(model.FindRow(pId)->IsFolded());
    EXPECT_TRUE(model.FindRow(qId)->IsHidden());
    EXPECT_TRUE(model.FindRow(p2)->IsSelected());
    EXPECT_FALSE(model.FindRow(p1)->IsSelected());
    tree.Project().GetRows().At(1)->SetDeleted(true);
    model.Rebuild(tree.Project());
    EXPECT_FALSE(model.IsRowHiddenId(qId));
    EXPECT_FALSE(model.CanShowAll());
    EXPECT_EQ(model.GetSelection(), std::vector<std::uint32_t>{static_cast<std::uint32_t>(p2)});
}

TEST_F(RowStateTest, FoldIsKeptOnlyOnRowsWithVisibleChildren) {
    model.SetFolded(qId, true);
    EXPECT_FALSE(model.IsFoldedId(qId));
    EXPECT_FALSE(model.CanFold(qId));
    EXPECT_TRUE(model.CanFold(pId));
    model.ToggleFold(pId);
    EXPECT_TRUE(model.FindRow(pId)->IsFolded());
    model.ToggleFold(pId);
    EXPECT_FALSE(model.FindRow(pId)->IsFolded());
    model.HideRow(p1);
    model.HideRow(p2);
    model.HideRow(p3);
    EXPECT_FALSE(model.CanFold(pId));
}

TEST_F(RowStateTest, ReShowCommandsAreEnabledOnlyWhenTheyCanAct) {
    EXPECT_TRUE(model.CanHide(p2, true));
    EXPECT_FALSE(model.CanHide(p2, false));
    EXPECT_FALSE(model.CanShowNext(p1));
    EXPECT_FALSE(model.CanShowAll());
    model.HideRow(p2);
    EXPECT_FALSE(model.CanHide(p2, true));
    EXPECT_TRUE(model.CanShowNext(p1));
    EXPECT_TRUE(model.CanShowPrevious(p3));
    EXPECT_FALSE(model.CanShowPrevious(p1));
    EXPECT_TRUE(model.CanShowBelow(pId));
    EXPECT_FALSE(model.CanShowBelow(qId));
    EXPECT_TRUE(model.CanShowAll());
    model.ShowNext(p1);
    EXPECT_FALSE(model.FindRow(p2)->IsHidden());
    EXPECT_FALSE(model.CanShowAll());
}

TEST_F(RowStateTest, ShowBelowAndShowAllClearTheHiddenRows) {
    model.HideRow(p1);
    model.HideRow(p3);
    model.HideRow(qId);
    model.ShowPrevious(p2);
    EXPECT_FALSE(model.IsRowHiddenId(p1));
    model.ShowBelow(pId);
    EXPECT_FALSE(model.FindRow(p3)->IsHidden());
    EXPECT_TRUE(model.IsRowHiddenId(qId));
    model.ShowAll();
    EXPECT_FALSE(model.FindRow(qId)->IsHidden());
    model.Rebuild(tree.Project());
    EXPECT_FALSE(model.FindRow(qId)->IsHidden());
}

TEST_F(RowStateTest, SelectionReplacesOrAddsByObjectId) {
    model.Select(p1, false);
    model.Select(p2, true);
    model.Select(p2, true);
    EXPECT_EQ(model.GetSelection().size(), 2u);
    model.SelectMany({qId, p1, qId});  // each id once, after those selected
    EXPECT_EQ(model.GetSelection(), (std::vector<std::uint32_t>{static_cast<std::uint32_t>(p1),
                                                                static_cast<std::uint32_t>(p2),
                                                                static_cast<std::uint32_t>(qId)}));
    EXPECT_TRUE(model.FindRow(qId)->IsSelected());
    model.Select(qId, false);
    EXPECT_FALSE(model.FindRow(p1)->IsSelected());
    EXPECT_TRUE(model.FindRow(qId)->IsSelected());
    model.Deselect(qId);
    EXPECT_TRUE(model.GetSelection().empty());
    EXPECT_FALSE(model.FindRow(qId)->IsSelected());
}

}  // namespace
}  // namespace qb
