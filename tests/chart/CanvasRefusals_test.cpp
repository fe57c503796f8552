#include <functional>

#include "CCommandHandler.h"
#include "CanvasFixture.h"
#include "CommandIds.h"
#include "Palette.h"

namespace qb::test {
namespace {

// Every gesture, stopped halfway by a lost focus or by Escape, writes nothing
// and leaves every object shown as before.
TEST_F(CanvasTest, EveryGestureCancelledHalfwayWritesNothing) {
    const DrawPoint bar = BarBody(1, 6);
    const DrawPoint memo{X(3) + 20, RowTop(3) + 20};
    struct Gesture {
        const char* name;
        std::function<void()> start;
    };
    const Gesture gestures[] = {
        {"create",
         [&] {
             Press(DrawPoint{X(30), RowTop(2) + 20});
         }},
        {"move",
         [&] {
             Click(bar);
             Press(bar);
         }},
        {"copy",
         [&] {
             Click(bar);
             Press(bar, true);
         }},
        {"resize",
         [&] {
             Click(bar);
             Press(DrawPoint{X(11) - 1, bar.y});
         }},
        {"memo move",
         [&] {
             Click(memo);
             Press(memo);
         }},
        {"memo resize",
         [&] {
             Click(memo);
             Press(DrawPoint{X(3) + 49, RowTop(3) + 29});
         }},
        {"memo place",
         [&] {
             status.SetEditMode(CStatus::kMemoInputMode);
             Press(DrawPoint{X(30), RowTop(2) + 5});
         }},
        {"rubber band",
         [&] {
             status.SetEditMode(CStatus::kDragSelectMode);
             Press(DrawPoint{X(2), RowTop(1) + 1});
         }},
        {"link",
         [&] {
             Click(bar);
             canvas.BeginLink();
         }},
    };
    const std::string before = Saved();
    for (bool escape : {false, true}) {
        for (const Gesture& gesture : gestures) {
            status.SetEditMode(CStatus::kNormalMode);
            gesture.start();
            ASSERT_TRUE(canvas.IsGestureRunning()) << gesture.name;
            MoveTo(DrawPoint{X(40), RowTop(2) + 30});
            MoveTo(DrawPoint{X(42), RowTop(2) + 31});
            const CanvasReply reply =
                escape ? canvas.KeyDown(CanvasKey::kEscape, At(bar)) : canvas.FocusLost();
            EXPECT_FALSE(canvas.IsGestureRunning()) << gesture.name;
            EXPECT_TRUE(reply.repaint) << gesture.name;
            // The release that may still come writes nothing either.
            Release(DrawPoint{X(42), RowTop(2) + 31});
            EXPECT_EQ(edits.writes, 0) << gesture.name << escape;
            EXPECT_TRUE(Saved() == before) << gesture.name << escape;
            for (std::int32_t id : {4, 5, 6})
                EXPECT_FALSE(Model().FindObject(id)->IsHidden()) << gesture.name << id;
        }
    }
}

TEST_F(CanvasTest, ADropOutsideTheDisplayPeriodIsAskedAndCancelLeavesTheFileAsItWas) {
    Project().SetDisplayStartDate(Day(1));
    Project().SetDisplayEndDate(Day(20));
    const DrawPoint bar = BarBody(1, 6);
    Click(bar);
    const std::string before = Saved();
    prompt.QueueAnswer(PromptAnswer::kCancel);
    Drag(bar, DrawPoint{bar.x + 120, bar.y});
    EXPECT_EQ(prompt.Shown().back().text, ChartMessages::kOutsideDisplayPeriod);
    EXPECT_TRUE(Saved() == before);
    EXPECT_FALSE(Model().FindObject(4)->IsHidden());
    EXPECT_EQ(Selection(), std::vector<std::uint32_t>{4});

    Drag(bar, DrawPoint{bar.x + 120, bar.y});  // OK this time
    EXPECT_EQ(Schedule(4).GetStartDate(), Day(17));
}

TEST_F(CanvasTest, ADropOffTheRowsIsRefusedWithTheSourcesBack) {
    const DrawPoint bar = BarBody(1, 6);
    Click(bar);
    const std::string before = Saved();
    Drag(bar, DrawPoint{bar.x, RowTop(3) + 80});
    EXPECT_EQ(prompt.Shown().back().text, ChartMessages::kNoRowHere);
    EXPECT_TRUE(Saved() == before);
    EXPECT_FALSE(Model().FindObject(4)->IsHidden());
}

TEST_F(CanvasTest, ADropOnASummaryRowIsRefused) {
    // Row 7 with a child row 8, folded and shown as one bar.
    auto parent = std::make_unique<CRow>(Project().NewObjectId());
    parent->SetHeight(kRowHeight);
    auto child = std::make_unique<CRow>(Project().NewObjectId());
    child->SetHeight(kRowHeight);
    parent->GetChildren().Add(std::move(child));
    Project().GetRows().Add(std::move(parent));
    scene.GetDisplaySettings().summary = true;
    scene.Open(Project());
    Model().SetFolded(7, true);
    scene.Relayout();
    const DrawPoint bar = BarBody(1, 6);
    Click(bar);
    const std::string before = Saved();
    Drag(bar, DrawPoint{bar.x, RowTop(7) + 20});
    ASSERT_FALSE(prompt.Shown().empty());
    EXPECT_EQ(prompt.Shown().back().text, ChartMessages::kOntoSummaryRow);
    EXPECT_TRUE(Saved() == before);
}

TEST_F(CanvasTest, ASelectionWithHiddenObjectsIsNotDragged) {
    const DrawPoint bar = BarBody(1, 6);
    Model().HideRow(2);
    scene.Relayout();
    Model().Select(5, false);
    Model().Select(4, true);
    Press(bar);
    EXPECT_EQ(prompt.Shown().back().text, ChartMessages::kHiddenInSelection);
    EXPECT_FALSE(canvas.IsGestureRunning());
    Release(bar);
    EXPECT_EQ(edits.writes, 0);
}

TEST_F(CanvasTest, NoLinkIsDrawnWithTheNoLineStyle) {
    Palette& palette = status.GetPalette();
    palette.SetCurrentLine(palette.LineStyleCount() - 1);
    Click(BarBody(1, 6));
    canvas.BeginLink();
    EXPECT_FALSE(canvas.IsGestureRunning());
    EXPECT_EQ(prompt.Shown().back().text, ChartMessages::kNoLine);
}

TEST_F(CanvasTest, AReadOnlyDocumentOnlySelects) {
    status.Doc().SetReadOnly(true);
    const DrawPoint bar = BarBody(1, 6);
    Click(bar);
    EXPECT_EQ(Selection(), std::vector<std::uint32_t>{4});
    Drag(bar, DrawPoint{bar.x + 50, bar.y});
    Drag(DrawPoint{X(30), RowTop(2) + 20}, DrawPoint{X(35), RowTop(2) + 20});
    EXPECT_EQ(edits.writes, 0);
    EXPECT_FALSE(canvas.IsGestureRunning());
}

TEST_F(CanvasTest, ATargetDeletedDuringTheDragEndsWithNothingChanged) {
    const DrawPoint bar = BarBody(1, 6);
    Click(bar);
    Press(bar);
    MoveTo(DrawPoint{bar.x + 40, bar.y});
    // As another process leaves it in the file.
    Project().FindSchedule(4)->SetDeleted(true);
    const std::string before = Saved();
    Release(DrawPoint{bar.x + 40, bar.y});
    ASSERT_FALSE(prompt.Shown().empty());
    EXPECT_TRUE(Saved() == before);
    // The window showed the project again: the deleted bar is gone from it.
    EXPECT_EQ(Model().FindObject(4), nullptr);
}

// Undo keeps the id counter moving on, so the dates and counts are compared.
TEST_F(CanvasTest, GesturesAreUndoneAndRedoneOneStepEach) {
    const DrawPoint bar = BarBody(1, 6);
    Click(bar);
    Drag(bar, DrawPoint{bar.x + 40, bar.y});
    Drag(DrawPoint{X(30), RowTop(3) + 20}, DrawPoint{X(33), RowTop(3) + 20});
    ASSERT_EQ(edits.writes, 2);
    auto state = [&] {
        const CProject& project = *status.GetProject();
        return std::make_pair(project.GetSchedules().GetCount(true),
                              project.FindSchedule(4)->GetStartDate());
    };
    ASSERT_EQ(state(), std::make_pair(3, Day(9)));
    ASSERT_TRUE(status.Commands().Execute(cmd::kUndo));
    EXPECT_EQ(state(), std::make_pair(2, Day(9)));
    ASSERT_TRUE(status.Commands().Execute(cmd::kUndo));
    EXPECT_EQ(state(), std::make_pair(2, Day(5)));
    ASSERT_TRUE(status.Commands().Execute(cmd::kRedo));
    ASSERT_TRUE(status.Commands().Execute(cmd::kRedo));
    EXPECT_EQ(state(), std::make_pair(3, Day(9)));
}

// A message box takes the focus, and the window may rebuild the model while
// it is open: the gesture asking ends after the answer, touching nothing of
// the old model.
TEST_F(CanvasTest, FocusLostAndARebuildWhileAskingAboutADropAreSafe) {
    Project().SetDisplayEndDate(Day(20));
    prompt.whileShown = [&] {
        canvas.FocusLost();
        Model().Rebuild(Project());
        scene.Relayout();
        canvas.ModelRebuilt();
    };
    for (PromptAnswer answer : {PromptAnswer::kCancel, PromptAnswer::kOk}) {
        const DrawPoint bar = BarBody(1, 6);
        Click(bar);
        prompt.QueueAnswer(answer);
        Drag(bar, DrawPoint{bar.x + 120, bar.y});
        EXPECT_FALSE(canvas.IsGestureRunning());
        EXPECT_FALSE(Model().FindObject(4)->IsHidden());
    }
    EXPECT_EQ(edits.writes, 1);
    EXPECT_EQ(Schedule(4).GetStartDate(), Day(17));
}

}  // namespace
}  // namespace qb::test
