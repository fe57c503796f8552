#include "UndoHistory.h"

#include <gtest/gtest.h>

#include "AppMessages.h"
#include "CMdHoliday.h"
#include "EditFixture.h"

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

}  // namespace
}  // namespace qb
