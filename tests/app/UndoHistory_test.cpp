#include "UndoHistory.h"

#include <gtest/gtest.h>

#include <functional>

#include "AppMessages.h"
#include "CColumn.h"
#include "CMdHoliday.h"
#include "EditFixture.h"
#include "ProjectGenerator.h"
#include "PropertyAssigner.h"

namespace qb {
namespace {

// The first row's caption says which state a project is in.
std::string StateOf(const CProject& project) {
    return project.GetRows().GetCount() ? project.GetRows().At(0)->GetCaption() : "";
}

void SetState(CProject& project, const std::string& state) {
    project.GetRows().At(0)->SetCaption(state);
}

class UndoHistoryTest : public ::testing::Test {
protected:
    // Records, then changes to state: one undoable change.
    void Change(const std::string& state, std::string name = {}) {
        history.Record(*current, std::move(name));
        SetState(*current, state);
    }
    bool Undo() { return Step(true); }
    bool Redo() { return Step(false); }
    bool Step(bool undo) {
        auto fresh = std::make_unique<CProject>();
        const bool done =
            undo ? history.Undo(*current, *fresh, prompt) : history.Redo(*current, *fresh, prompt);
        if (done)
            current = std::move(fresh);
        return done;
    }

    UndoHistory history;
    ScriptedPrompt prompt;
    std::unique_ptr<CProject> current = test::SmallProject(false);
};

TEST_F(UndoHistoryTest, ElevenChangesLeaveTenStepsAndTheOldestStateIsOutOfReach) {
    SetState(*current, "s0");
    for (int i = 1; i <= 11; ++i)
        Change("s" + std::to_string(i));
    EXPECT_EQ(history.UndoCount(), 10u);
    while (history.CanUndo())
        ASSERT_TRUE(Undo());
    EXPECT_EQ(StateOf(*current), "s1");
    EXPECT_EQ(history.RedoCount(), 10u);
    while (history.CanRedo())
        ASSERT_TRUE(Redo());
    EXPECT_EQ(StateOf(*current), "s11");
    EXPECT_TRUE(prompt.Shown().empty());
}

TEST_F(UndoHistoryTest, ANamedStepAsksFirstAndCancelChangesNothing) {
    Change("replaced", "「置換」");
    prompt.QueueAnswer(PromptAnswer::kCancel);
    EXPECT_FALSE(Undo());
    ASSERT_EQ(prompt.Shown().size(), 1u);
    EXPECT_EQ(prompt.LastId(), messages::kUndoNamed.id);
    EXPECT_NE(prompt.Shown()[0].text.find("「置換」 です"), std::string::npos);
    EXPECT_EQ(StateOf(*current), "replaced");
    EXPECT_EQ(history.UndoCount(), 1u);
    EXPECT_EQ(history.RedoCount(), 0u);

    ASSERT_TRUE(Undo());
    ASSERT_TRUE(Redo());
    EXPECT_EQ(prompt.LastId(), messages::kRedoNamed.id);
    EXPECT_EQ(StateOf(*current), "replaced");
}

TEST_F(UndoHistoryTest, UndoKeepsTheCurrentNameOptionsAndHolidayRules) {
    Change("changed");
    current->SetTitle("renamed later");
    current->SetParamInt("_Renban", 2);
    current->SetLastObjectId(500);
    auto rule = std::make_unique<CMdHoliday>();
    rule->SetName("later rule");
    current->GetHolidays().Add(std::move(rule));

    ASSERT_TRUE(Undo());
    EXPECT_EQ(StateOf(*current), "A");
    EXPECT_EQ(current->GetTitle(), "renamed later");
    EXPECT_EQ(current->GetParamInt("_Renban", 0), 2);
    EXPECT_EQ(current->GetLastObjectId(), 500);
    ASSERT_EQ(current->GetHolidays().GetCount(), 1);
    EXPECT_EQ(current->GetHolidays().At(0)->GetName(), "later rule");
}

TEST_F(UndoHistoryTest, ProvisionalStepsAreDroppedWholeAChangeEmptiesRedoAndClearBothStacks) {
    Change("kept");
    history.RecordProvisional(*current);
    EXPECT_TRUE(history.IsProvisional());
    history.DropNewest();
    EXPECT_FALSE(history.IsProvisional());
    EXPECT_EQ(history.UndoCount(), 1u);
    history.DropNewest();
    history.DropNewest();
    EXPECT_EQ(history.UndoCount(), 0u);

    // A change after an undo empties redo.
    Change("a");
    Change("b");
    ASSERT_TRUE(Undo());
    EXPECT_EQ(StateOf(*current), "a");
    EXPECT_EQ(history.RedoCount(), 1u);
    Change("c");
    EXPECT_FALSE(history.CanRedo());
    ASSERT_TRUE(Undo());
    EXPECT_EQ(StateOf(*current), "a");
    history.Clear();
    EXPECT_FALSE(history.CanUndo());
    EXPECT_FALSE(history.CanRedo());
}

// Changes of every kind, each recorded first; the file bytes after each say
// exactly which state undo and redo must give back.
class UndoContentTest : public UndoHistoryTest {
protected:
    UndoContentTest() {
        ProjectGenerator::Options options;
        options.rows = 40;
        options.schedules = 300;
        options.links = 60;
        options.memos = 20;
        options.tombstones = true;
        current = ProjectGenerator::Generate(options);
        auto column = std::make_unique<CColumn>(current->NewObjectId());
        column->SetCaption("担当");
        current->GetColumns().Add(std::move(column));
        states.push_back(Bytes());
    }

    CSchedule& ScheduleAt(int index) { return *current->GetSchedules().At(index); }
    void Apply(const std::function<void(CProject&)>& change) {
        history.Record(*current);
        change(*current);
        states.push_back(Bytes());
    }
    std::string Bytes() const { return ProjectArchive::WriteProjectArchive(*current); }
    // Undoes to the first state and redoes to the last, checking each one.
    void WalkBothWays() {
        ASSERT_EQ(history.UndoCount(), states.size() - 1);
        for (std::size_t i = states.size() - 1; i-- > 0;) {
            ASSERT_TRUE(Undo());
            ASSERT_TRUE(Bytes() == states[i]) << "undo to state " << i;
        }
        for (std::size_t i = 1; i < states.size(); ++i) {
            ASSERT_TRUE(Redo());
            ASSERT_TRUE(Bytes() == states[i]) << "redo to state " << i;
        }
    }
    void ApplyEveryKindOfChange();

    std::vector<std::string> states;
};

void UndoContentTest::ApplyEveryKindOfChange() {
    Apply([](CProject& p) { p.GetSchedules().At(5)->SetCaption("改名"); });
    // Undo keeps the project's own values, the next object id among them, so
    // the new schedule takes an id by hand.
    Apply([](CProject& p) {
        auto added = std::make_unique<CSchedule>(900001);
        added->SetRowObjectId(p.GetRows().At(0)->GetObjectId());
        p.GetSchedules().InsertAt(0, std::move(added));
    });
    Apply([](CProject& p) {
        p.GetSchedules().At(7)->SetDeleted(true);
        p.GetLinks().DeleteAt(3);
        p.GetDrawParts().DeleteAt(0);
    });
    Apply([](CProject& p) {
        // A top-level row with its subtree moves under another row.
        std::unique_ptr<CData> moved = p.GetRows().RemoveAt(1);
        p.GetRows().At(0)->GetChildren().InsertAt(0, std::move(moved));
    });
    Apply([](CProject& p) {
        p.SetDisplayColumns(!p.IsDisplayColumns());
        p.GetColumns().At(0)->SetWidth(123);
    });
    // Paths that do not go through a setter.
    Apply([](CProject& p) {
        std::unique_ptr<CData> other = p.GetSchedules().At(20)->Clone();
        other->SetObjectId(p.GetSchedules().At(21)->GetObjectId());
        p.GetSchedules().At(21)->CopyFrom(*other);
    });
    Apply([](CProject& p) {
        p.GetSchedules().At(30)->SetParam("_Tag", "x");
        p.GetRows().At(0)->SetParamInt("_Level", 2);
    });
    Apply([](CProject& p) {
        p.GetSchedules().At(30)->RemoveParam("_Tag");
        p.GetRows().At(0)->ClearParams();
    });
    Apply([](CProject& p) {
        ASSERT_EQ(PropertyAssigner::Assign(*p.GetSchedules().At(40), "caption", "assigned", true),
                  PropertyAssigner::Outcome::kChanged);
        PropertyMap map = p.GetSchedules().At(41)->CollectProperties();
        map.Set("caption", "loaded");
        p.GetSchedules().At(41)->SetProperties(map);
    });
    // A schedule replaced by a changed copy of itself under the same id.
    Apply([](CProject& p) {
        std::unique_ptr<CData> copy = p.GetSchedules().At(50)->Clone();
        static_cast<CSchedule&>(*copy).SetProgressRate(77);
        p.GetSchedules().SetAt(50, std::move(copy));
    });
}

TEST_F(UndoContentTest, EveryKindOfChangeUndoesAndRedoesToTheExactEarlierStates) {
    ApplyEveryKindOfChange();
    WalkBothWays();
}

TEST_F(UndoContentTest, AnObjectChangedAfterTwoSnapshotsSharedItComesBackAsEachHadIt) {
    Apply([](CProject&) {});
    Apply([](CProject&) {});
    Apply([](CProject& p) { p.GetSchedules().At(9)->SetCaption("after sharing"); });
    Apply([](CProject& p) { p.GetSchedules().At(9)->SetCaption("again"); });
    WalkBothWays();
}

// Undone states become the current project, whose objects then change and are
// recorded in turn.
TEST_F(UndoContentTest, ChangesMadeAfterAnUndoAreRecordedExactly) {
    ApplyEveryKindOfChange();
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(Undo());
        states.pop_back();
    }
    ASSERT_TRUE(Bytes() == states.back());
    Apply([](CProject& p) { p.GetSchedules().At(5)->SetCaption("after undo"); });
    Apply([](CProject& p) { p.GetRows().At(0)->GetChildren().At(0)->SetCaption("moved row"); });
    Apply([](CProject& p) { p.GetSchedules().DeleteAt(0); });
    ASSERT_EQ(history.UndoCount(), UndoHistory::kMaxSteps);
    states.erase(states.begin(), states.end() - UndoHistory::kMaxSteps - 1);
    WalkBothWays();
}

}  // namespace
}  // namespace qb
