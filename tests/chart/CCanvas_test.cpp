#include "CCanvas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>

#include "../app/EditFixture.h"
#include "AppMessages.h"
#include "CCommandHandler.h"
#include "CDisplayModel.h"
#include "CGuiSchedule.h"
#include "CRuler.h"
#include "CanvasFixture.h"
#include "ChartScene.h"
#include "ChildProcess.h"
#include "CommandIds.h"
#include "Palette.h"
#include "PlaceMemoGesture.h"

namespace qb::test {
namespace {

bool Has(const std::vector<int>& ids, int id) {
    return std::find(ids.begin(), ids.end(), id) != ids.end();
}

TEST_F(CanvasTest, DraggingOnEmptyRowCreatesABarOverTheDays) {
    Settings().fitX = true;
    const int y = RowTop(3) + 30;
    Drag(DrawPoint{X(20) + 2, y}, DrawPoint{X(24) + 7, y});
    ASSERT_EQ(edits.writes, 1);
    ASSERT_EQ(Project().GetSchedules().GetCount(true), 3);
    const CSchedule& made = *Project().GetSchedules().At(2);
    EXPECT_EQ(made.GetRowObjectId(), 3);
    EXPECT_EQ(made.GetStartDate(), Day(20));
    EXPECT_EQ(made.GetStartOffset(), 0);
    EXPECT_EQ(made.GetEndDate(), Day(25));
    EXPECT_EQ(made.GetEndOffset(), 0);
    EXPECT_FALSE(canvas.IsGestureRunning());
}

TEST_F(CanvasTest, APressWithinAHundredMillisecondsOfADoubleClickCreatesNothing) {
    const DrawPoint from{X(20), RowTop(3) + 20};
    const DrawPoint to{X(25), RowTop(3) + 20};
    CanvasInput input = At(from);
    canvas.LeftDoubleClick(input);
    canvas.LeftUp(input);
    const std::int64_t doubleClick = input.timeMs;
    input.timeMs = doubleClick + 99;
    canvas.LeftDown(input);
    EXPECT_FALSE(canvas.IsGestureRunning());
    input.point = to;
    canvas.MouseMove(input);
    canvas.LeftUp(input);
    EXPECT_EQ(edits.writes, 0);

    input.point = from;
    input.timeMs = doubleClick + 100;
    canvas.LeftDown(input);
    EXPECT_TRUE(canvas.IsGestureRunning());
}

TEST_F(CanvasTest, DoubleClickOnEmptyChartPlacesAPointShape) {
    Palette& palette = status.GetPalette();
    int point = -1;
    for (int i = 0; i < palette.ShapeCount() && point < 0; ++i)
        if (palette.Shape(i).GetScheduleType() != 0)
            point = i;
    ASSERT_GE(point, 0);
    palette.SetCurrentShape(point);
    const DrawPoint at{X(30) + 3, RowTop(2) + 20};
    Click(at);
    EXPECT_EQ(edits.writes, 0);
    canvas.LeftDoubleClick(At(at));
    Release(at);
    ASSERT_EQ(edits.writes, 1);
    const CSchedule& made = *Project().GetSchedules().At(2);
    EXPECT_EQ(made.GetStartDate(), Day(30));
    EXPECT_EQ(made.GetRowObjectId(), 2);
}

TEST_F(CanvasTest, DoubleClickOnASelectedObjectAsksForItsCommand) {
    const DrawPoint bar = BarBody(1, 6);
    const DrawPoint memo{X(3) + 20, RowTop(3) + 20};
    Click(bar);
    EXPECT_EQ(canvas.LeftDoubleClick(At(bar)).command, cmd::kProperties);
    Release(bar);
    Click(memo);
    EXPECT_EQ(canvas.LeftDoubleClick(At(memo)).command, cmd::kEditText);
    Release(memo);
    EXPECT_EQ(edits.writes, 0);
}

TEST_F(CanvasTest, SelectionFollowsTheClickAndCtrlRules) {
    const DrawPoint a = BarBody(1, 6);
    const DrawPoint b = BarBody(2, 13);
    const DrawPoint empty{X(40), RowTop(1) + 5};
    using Ids = std::vector<std::uint32_t>;
    Click(a);
    EXPECT_EQ(Selection(), Ids{4});
    Press(b, true);
    Release(b, true);  // just selected by this press: stays
    EXPECT_EQ(Selection(), (Ids{4, 5}));
    Press(a, true);
    EXPECT_EQ(Selection(), (Ids{4, 5}));  // a press on a selected object keeps all
    Release(a, true);
    EXPECT_EQ(Selection(), Ids{5});
    Press(empty, true);
    Release(empty, true);
    EXPECT_EQ(Selection(), Ids{5});
    Click(empty);
    EXPECT_TRUE(Selection().empty());
}

TEST_F(CanvasTest, AJitterOfThreePixelsMovesNothing) {
    const DrawPoint bar = BarBody(1, 6);
    Click(bar);
    const std::string before = Saved();
    for (const DrawPoint jitter : {DrawPoint{3, 0}, DrawPoint{2, 2}, DrawPoint{0, -3}}) {
        const DrawPoint to{bar.x + jitter.x, bar.y + jitter.y};
        Press(bar);
        MoveTo(to);
        EXPECT_FALSE(Model().FindObject(4)->IsHidden());
        Release(to);
    }
    EXPECT_EQ(edits.writes, 0);
    EXPECT_TRUE(Saved() == before);
}

TEST_F(CanvasTest, MovingABarKeepsItsDurationAndSnapsToDays) {
    struct Case {
        bool fitX, alt;
        int dx;
        int startOffset;
    };
    const Case cases[] = {{true, false, 33, 0}, {true, true, 33, 3000}, {false, false, 33, 3000}};
    for (const Case& c : cases) {
        Settings().fitX = c.fitX;
        const DrawPoint bar = BarBody(1, 6);
        Click(bar);
        CanvasInput input = At(bar);
        input.alt = c.alt;
        canvas.LeftDown(input);
        input.point.x += c.dx;
        canvas.MouseMove(input);
        canvas.LeftUp(input);
        const CSchedule& moved = Schedule(4);
        EXPECT_EQ(moved.GetStartDate(), Day(8)) << c.fitX << c.alt;
        EXPECT_EQ(moved.GetStartOffset(), c.startOffset) << c.fitX << c.alt;
        EXPECT_EQ(moved.GetEndDate(), Day(14)) << c.fitX << c.alt;
        EXPECT_EQ(moved.GetEndOffset(), c.startOffset) << c.fitX << c.alt;
        // The edit cleared the selection; the moved bar is selected again.
        EXPECT_TRUE(Model().IsSelectedId(4));
        // Back where the next case starts.
        const int back = c.startOffset == 0 ? 30 : c.dx;
        Click(BarBody(1, 9));
        input = At(BarBody(1, 9));
        input.alt = true;
        canvas.LeftDown(input);
        input.point.x -= back;
        canvas.MouseMove(input);
        canvas.LeftUp(input);
        ASSERT_EQ(Schedule(4).GetStartDate(), Day(5));
    }
}

TEST_F(CanvasTest, SnapYPutsTheBarOnTheRowsMiddleOrItsCell) {
    Settings().fitY = true;
    // Bar middles: 4 off row 2's middle, then 7 below its top.
    const std::pair<int, int> cases[] = {{kRowHeight / 2 + 4, 15}, {7, 0}};
    for (const auto& [middle, yOffset] : cases) {
        const DrawPoint bar = BarBody(1, 6);
        Click(bar);
        const DrawPoint to{bar.x, RowTop(2) + middle};
        Drag(bar, to);
        EXPECT_EQ(Schedule(4).GetRowObjectId(), 2) << middle;
        EXPECT_EQ(Schedule(4).GetYOffset(), yOffset) << middle;
        // Back to row 1.
        const DrawPoint back{X(6) + 5, RowTop(2) + yOffset + kBarHeight / 2};
        Click(back);
        Drag(back, BarBody(1, 6));
        ASSERT_EQ(Schedule(4).GetRowObjectId(), 1);
    }
}

TEST_F(CanvasTest, CtrlDragCopiesAndSelectsTheCopies) {
    const DrawPoint a = BarBody(1, 6);
    const DrawPoint b = BarBody(2, 13);
    Click(a);
    Press(b, true);
    Release(b, true);
    const std::string sourceA = ProjectArchive::WriteProjectArchive(Project());
    Drag(a, DrawPoint{a.x + 50, a.y}, true);
    ASSERT_EQ(Project().GetSchedules().GetCount(true), 4);
    EXPECT_EQ(Schedule(4).GetStartDate(), Day(5));
    EXPECT_EQ(Schedule(5).GetStartDate(), Day(12));
    const auto selection = Selection();
    ASSERT_EQ(selection.size(), 2u);
    for (std::uint32_t id : selection) {
        EXPECT_NE(id, 4u);
        EXPECT_NE(id, 5u);
    }
    const CSchedule& copyA = *Project().GetSchedules().At(2);
    EXPECT_EQ(copyA.GetStartDate(), Day(10));
    EXPECT_EQ(Project().GetSchedules().At(3)->GetStartDate(), Day(17));
}

TEST_F(CanvasTest, CtrlDuringADragSwitchesBetweenCopyAndMove) {
    const DrawPoint bar = BarBody(1, 6);
    Click(bar);
    Press(bar);
    MoveTo(DrawPoint{bar.x + 30, bar.y});
    CGuiObject* source = Model().FindObject(4);
    EXPECT_TRUE(source->IsHidden());
    canvas.KeyDown(CanvasKey::kControl, At(bar, true));
    EXPECT_FALSE(source->IsHidden());
    canvas.KeyUp(CanvasKey::kControl, At(bar));
    EXPECT_TRUE(source->IsHidden());
    Release(DrawPoint{bar.x + 30, bar.y});
    EXPECT_EQ(Project().GetSchedules().GetCount(true), 2);
    EXPECT_EQ(Schedule(4).GetStartDate(), Day(8));
}

TEST_F(CanvasTest, AResizedEdgeNeverPassesTheOtherOne) {
    const DrawPoint bar = BarBody(1, 6);
    Click(bar);
    const int end = X(11) - 1;  // the end edge of days 5 to 10
    const int y = bar.y;
    ASSERT_EQ(canvas.CursorAt(At(DrawPoint{end, y})), CanvasCursor::kSizeHorizontal);
    Press(DrawPoint{end, y});
    MoveTo(DrawPoint{X(2), y});
    MoveTo(DrawPoint{X(1), y});
    Release(DrawPoint{X(1), y});
    ASSERT_EQ(edits.writes, 1);
    EXPECT_TRUE(Model().IsSelectedId(4));
    const CSchedule& resized = Schedule(4);
    EXPECT_EQ(resized.GetStartDate(), Day(5));
    EXPECT_TRUE(DateOffset(resized.GetStartDate(), resized.GetStartOffset()) <
                DateOffset(resized.GetEndDate(), resized.GetEndOffset()));

    // Bar 5 covers days 12 to 15: its start dragged past its end.
    Click(BarBody(2, 13));
    Press(DrawPoint{X(12), BarBody(2, 13).y});
    MoveTo(DrawPoint{X(20), BarBody(2, 13).y});
    Release(DrawPoint{X(20), BarBody(2, 13).y});
    const CSchedule& other = Schedule(5);
    EXPECT_EQ(other.GetEndDate(), Day(15));
    EXPECT_EQ(other.GetStartDate(), Day(15));
    EXPECT_TRUE(DateOffset(other.GetStartDate(), other.GetStartOffset()) <
                DateOffset(other.GetEndDate(), other.GetEndOffset()));
}

TEST_F(CanvasTest, RubberBandSelectsOnlyWhatLiesWhollyInside) {
    Settings().selectModeOneTime = true;
    status.SetEditMode(CStatus::kDragSelectMode);
    // Around bar 4 (days 5-10) and half of bar 5 (days 12-15).
    Drag(DrawPoint{X(4), RowTop(1) + 2}, DrawPoint{X(14), RowTop(2) + 38});
    EXPECT_EQ(Selection(), std::vector<std::uint32_t>{4});
    EXPECT_EQ(status.GetEditMode(), CStatus::kNormalMode);
    EXPECT_EQ(edits.writes, 0);
}

TEST_F(CanvasTest, MemoModePlacesAMemoSelectsItAndOpensItsText) {
    Settings().memoModeOneTime = true;
    status.SetEditMode(CStatus::kMemoInputMode);
    EXPECT_EQ(canvas.CursorAt(At(DrawPoint{10, 10})), CanvasCursor::kMemo);
    const DrawPoint from{X(30), RowTop(2) + 5};
    Press(from);
    MoveTo(DrawPoint{from.x + 60, from.y + 25});
    const CanvasReply reply = Release(DrawPoint{from.x + 60, from.y + 25});
    EXPECT_EQ(reply.command, cmd::kEditText);
    ASSERT_EQ(Selection().size(), 1u);
    const auto* memo = dynamic_cast<const CMemo*>(
        Project().FindDrawPart(static_cast<std::int32_t>(Selection()[0])));
    ASSERT_NE(memo, nullptr);
    EXPECT_EQ(memo->GetWidth(), 60);
    EXPECT_EQ(memo->GetHeight(), 25);
    EXPECT_EQ(memo->GetYRowId(), 2);
    EXPECT_EQ(memo->GetXDate(), Day(30));
    EXPECT_EQ(status.GetEditMode(), CStatus::kNormalMode);

    // A flat drag still gives a memo one line of text fits in.
    status.SetEditMode(CStatus::kMemoInputMode);
    const DrawPoint flat{X(40), RowTop(2) + 5};
    Press(flat);
    MoveTo(DrawPoint{flat.x + 60, flat.y + 6});
    Release(DrawPoint{flat.x + 60, flat.y + 6});
    const auto* thin = dynamic_cast<const CMemo*>(
        Project().FindDrawPart(static_cast<std::int32_t>(Selection()[0])));
    ASSERT_NE(thin, nullptr);
    EXPECT_EQ(thin->GetWidth(), 60);
    EXPECT_EQ(thin->GetHeight(), PlaceMemoGesture::kMinHeight);
}

TEST_F(CanvasTest, AMemoCornerDragResizesIt) {
    const DrawPoint inside{X(3) + 20, RowTop(3) + 20};
    Click(inside);
    // Corners lie just outside the box of a selected memo.
    const DrawPoint corner{X(3) + 51, RowTop(3) + 31};
    EXPECT_EQ(canvas.CursorAt(At(corner)), CanvasCursor::kSizeDiagonalDown);
    Drag(corner, DrawPoint{corner.x + 30, corner.y + 5});
    const auto& memo = static_cast<const CMemo&>(*Project().FindDrawPart(6));
    EXPECT_EQ(memo.GetWidth(), 80);
    EXPECT_EQ(memo.GetHeight(), 25);
    EXPECT_EQ(memo.GetXDate(), Day(3));
}

TEST_F(CanvasTest, LinkCommandJoinsTheSelectionToTheClickedSchedule) {
    Click(BarBody(1, 6));
    canvas.BeginLink();
    ASSERT_TRUE(canvas.IsGestureRunning());
    MoveTo(DrawPoint{X(40), RowTop(2)});
    // Empty chart: asked; OK waits for another click.
    Press(DrawPoint{X(40), RowTop(2)});
    EXPECT_EQ(prompt.Shown().back().text, ChartMessages::kClickLinkTarget);
    EXPECT_TRUE(canvas.IsGestureRunning());
    Press(BarBody(2, 13));
    Release(BarBody(2, 13));
    EXPECT_FALSE(canvas.IsGestureRunning());
    ASSERT_EQ(Project().GetLinks().GetCount(true), 1);
    EXPECT_EQ(Project().GetLinks().At(0)->GetFromId(), 4);
    EXPECT_EQ(Project().GetLinks().At(0)->GetToId(), 5);
}

TEST_F(CanvasTest, CancelOnTheLinkQuestionEndsLinking) {
    Click(BarBody(1, 6));
    canvas.BeginLink();
    prompt.QueueAnswer(PromptAnswer::kCancel);
    Press(DrawPoint{X(40), RowTop(2)});
    EXPECT_FALSE(canvas.IsGestureRunning());
    EXPECT_EQ(Project().GetLinks().GetCount(true), 0);
}

TEST_F(CanvasTest, LeavingThePaneScrollsOnTheTimerUntilRelease) {
    const int y = RowTop(3) + 20;
    ASSERT_EQ(scene.ChartWidth(), 600);
    Press(DrawPoint{X(20), y});
    const CanvasReply out = MoveTo(DrawPoint{650, y});
    EXPECT_TRUE(Has(out.startTimers, CCanvas::kHorizontalTimer));
    const int before = scene.GetRuler().GetScrollPosition();
    const CanvasReply tick = canvas.Timer(CCanvas::kHorizontalTimer, At(DrawPoint{650, y}));
    EXPECT_TRUE(tick.scrolled);
    EXPECT_GT(scene.GetRuler().GetScrollPosition(), before);
    const CanvasReply up = Release(DrawPoint{650, y});
    EXPECT_TRUE(Has(up.stopTimers, CCanvas::kHorizontalTimer));
    EXPECT_EQ(up.capture, -1);
}

TEST_F(CanvasTest, HintsComeInTheirOrder) {
    EXPECT_EQ(canvas.HintAt(DrawPoint{-1, 5}), "");
    EXPECT_NE(canvas.HintAt(BarBody(1, 6)).find("2024"), std::string::npos);
    EXPECT_EQ(canvas.HintAt(DrawPoint{X(30), RowTop(3) + 45}), ChartTexts::kNoRow);
    const std::string position = canvas.HintAt(DrawPoint{X(30), RowTop(2) + 5});
    EXPECT_EQ(position.rfind(ChartTexts::kPosition, 0), 0u);
    EXPECT_NE(position.find(ChartTexts::kDrag), std::string::npos);
}

TEST_F(CanvasTest, ContextMenuFitsTheObjectUnderTheMouse) {
    canvas.RightDown(At(BarBody(1, 6)));
    EXPECT_EQ(Selection(), std::vector<std::uint32_t>{4});
    EXPECT_TRUE(Has(canvas.ContextCommands(), cmd::kProperties));
    EXPECT_TRUE(Has(canvas.ContextCommands(), cmd::kInsertLink));
    canvas.RightDown(At(DrawPoint{X(40), RowTop(1) + 2}));
    EXPECT_TRUE(Has(canvas.ContextCommands(), cmd::kInsertSchedule));
    EXPECT_FALSE(Has(canvas.ContextCommands(), cmd::kDelete));
}

TEST_F(CanvasTest, PreviewShowsTheValuesInPlaceUntilEnded) {
    auto values = Schedule(5).Clone();
    static_cast<CSchedule&>(*values).SetStartDate(Day(2));
    canvas.Preview(values.get());
    EXPECT_TRUE(Model().FindObject(5)->IsHidden());
    canvas.Preview(nullptr);
    EXPECT_FALSE(Model().FindObject(5)->IsHidden());
    EXPECT_EQ(Schedule(5).GetStartDate(), Day(12));
}

TEST_F(CanvasTest, AttachedLinksFollowADragAndComeBackWhenItIsCancelled) {
    const std::int32_t id = ProjectBuilder(Project()).Link(4, 5).GetObjectId();
    scene.Open(Project());
    const DrawPoint bar = BarBody(1, 6);
    Click(bar);
    Press(bar);
    MoveTo(DrawPoint{bar.x + 30, bar.y + 40});
    EXPECT_TRUE(Model().FindObject(id)->IsHidden());
    canvas.KeyDown(CanvasKey::kControl, At(bar, true));  // copies carry no links
    EXPECT_FALSE(Model().FindObject(id)->IsHidden());
    canvas.KeyUp(CanvasKey::kControl, At(bar));
    EXPECT_TRUE(Model().FindObject(id)->IsHidden());
    canvas.FocusLost();
    EXPECT_FALSE(Model().FindObject(id)->IsHidden());
    EXPECT_EQ(edits.writes, 0);
}

// Scrolling before the first built day moves the ruler's origin; a drag
// keeps its grip on the dates.
TEST_F(CanvasTest, ADragKeepsItsDatesWhileTheTimerScrollsBeforeTheFirstDay) {
    const DrawPoint outside{-40, RowTop(3) + 20};
    auto pointerDate = [&] {
        return scene.GetRuler().XToDateOffset(outside.x + scene.GetRuler().GetScrollPosition());
    };
    // A new bar from day 8 to the left of the pane.
    Press(DrawPoint{X(8), RowTop(3) + 20});
    ASSERT_FALSE(MoveTo(outside).startTimers.empty());
    canvas.Timer(CCanvas::kHorizontalTimer, At(outside));
    const DateOffset first = pointerDate();
    Release(outside);
    ASSERT_EQ(Project().GetSchedules().GetCount(true), 3);
    const CSchedule& made = *Project().GetSchedules().At(2);
    EXPECT_EQ(DateOffset(made.GetStartDate(), made.GetStartOffset()), first);
    EXPECT_EQ(DateOffset(made.GetEndDate(), made.GetEndOffset()), DateOffset(Day(8), 0));

    // A bar moved as far as the pointer, from noon on day 6.
    const DrawPoint bar = BarBody(1, 6);
    Click(bar);
    Press(bar);
    MoveTo(DrawPoint{outside.x, bar.y});
    canvas.Timer(CCanvas::kHorizontalTimer, At(DrawPoint{outside.x, bar.y}));
    const DateOffset pointer = pointerDate();
    Release(DrawPoint{outside.x, bar.y});
    DateOffset expected(pointer.date.AddDays(-2), pointer.offset + 5000);
    expected.Normalise();
    EXPECT_EQ(DateOffset(Schedule(4).GetStartDate(), Schedule(4).GetStartOffset()), expected);
}

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
    ProjectBuilder build(Project(), kRowHeight);
    build.Child(build.Row("").GetObjectId(), "");
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

// Bars 4 and 5 of the canvas fixture joined by a link from 4 to 5.
class LinkedDragTest : public CanvasTest {
protected:
    LinkedDragTest() {
        ProjectBuilder(Project()).Link(4, 5);
        scene.Open(Project());
        scene.Relayout();
    }

    // A drag released with Shift held.
    void DragWithShift(DrawPoint from, DrawPoint to) {
        Press(from);
        MoveTo(to);
        CanvasInput input = At(to);
        input.shift = true;
        canvas.LeftUp(input);
    }
    int DayOf(const COleDateTime& date) {
        return static_cast<int>(date.GetDays() - Day(1).GetDays()) + 1;
    }
};

TEST_F(LinkedDragTest, ABarDraggedAloneTakesItsLinkedBarAlongAsRemembered) {
    Settings().slideLinked = 1;
    const DrawPoint bar = BarBody(1, 6);
    Click(bar);
    Drag(bar, DrawPoint{bar.x + 30, bar.y});
    EXPECT_EQ(edits.writes, 1);
    EXPECT_EQ(Schedule(4).GetStartDate(), Day(8));
    EXPECT_EQ(Schedule(5).GetStartDate(), Day(15));
    EXPECT_EQ(Schedule(5).GetEndDate(), Day(18));
    EXPECT_EQ(Schedule(5).GetRowObjectId(), 2);
    // A copy leaves the linked bar where it is.
    const DrawPoint moved = BarBody(1, 9);
    Click(moved);
    Drag(moved, DrawPoint{moved.x + 30, moved.y}, true);
    EXPECT_EQ(Schedule(5).GetStartDate(), Day(15));
}

TEST_F(LinkedDragTest, CancellingTheQuestionAbandonsTheDrag) {
    // The window has no dialogs here: the question Shift brings back is
    // cancelled.
    Settings().slideLinked = 1;
    const std::string before = Saved();
    const DrawPoint bar = BarBody(1, 6);
    Click(bar);
    DragWithShift(bar, DrawPoint{bar.x + 30, bar.y});
    EXPECT_EQ(Saved(), before);
    EXPECT_FALSE(Model().FindObject(4)->IsHidden());
    // The end edge, likewise.
    const int end = X(11) - 1;
    DragWithShift(DrawPoint{end, bar.y}, DrawPoint{X(14), bar.y});
    EXPECT_EQ(Saved(), before);
    EXPECT_FALSE(Model().FindObject(4)->IsHidden());
}

TEST_F(LinkedDragTest, AnEndEdgeMovedByWholeDaysTakesTheSuccessorsAlong) {
    Settings().slideLinked = 2;
    const DrawPoint bar = BarBody(1, 6);
    Click(bar);
    const int end = X(11) - 1;
    Press(DrawPoint{end, bar.y});
    MoveTo(DrawPoint{X(13), bar.y});
    MoveTo(DrawPoint{X(14), bar.y});
    Release(DrawPoint{X(14), bar.y});
    const int days = DayOf(Schedule(4).GetEndDate()) - 10;
    EXPECT_GE(days, 2);
    EXPECT_EQ(Schedule(4).GetStartDate(), Day(5));
    EXPECT_EQ(Schedule(5).GetStartDate(), Day(12 + days));
    EXPECT_EQ(Schedule(5).GetEndDate(), Day(15 + days));
    // The start edge is written alone.
    Press(DrawPoint{X(5), bar.y});
    MoveTo(DrawPoint{X(3), bar.y});
    MoveTo(DrawPoint{X(2), bar.y});
    Release(DrawPoint{X(2), bar.y});
    EXPECT_LT(Schedule(4).GetStartDate(), Day(5));
    EXPECT_EQ(Schedule(5).GetStartDate(), Day(12 + days));
}

// Two programs share a file: while one drags a bar, the other deletes it and
// writes the file. The drop then ends with the message and the file stays as
// the other program left it.
TEST(CanvasSharedTest, ABarAnotherProgramDeletesDuringTheDragIsNotWritten) {
    TestFolder folder;
    const std::string path = folder.File("plan.qbd");
    WriteProject(path, *SmallProject(true));
    Instance mine;
    ASSERT_TRUE(mine.Open(path));
    ChartScene scene;
    CCanvas canvas(mine.status, scene, mine.status.ChartEdit());
    ChartWindowView window(scene, canvas, mine.status.Doc());
    mine.status.SetView(&window);
    mine.status.Doc().AddObserver(&window);
    scene.SetSize(ChartScene::kDefaultHeaderWidth + 800, CRuler::kHeight + 400);
    scene.Open(mine.Project());
    scene.SetPeriod(COleDateTime(2026, 3, 25, 0, 0, 0), COleDateTime(2026, 5, 1, 0, 0, 0), 10.0);
    scene.Relayout();

    const auto* bar = dynamic_cast<const CGuiSchedule*>(scene.GetModel().FindObject(3));
    ASSERT_NE(bar, nullptr);
    const GuiRect rect = bar->GetRect();
    const int left = scene.GetRuler().GetScrollPosition();
    CanvasInput input;
    input.point = DrawPoint{(rect.left + rect.right) / 2 - left, rect.top - scene.GetTop()};
    input.timeMs = 1000;
    canvas.LeftDown(input);
    canvas.LeftUp(input);
    ASSERT_TRUE(scene.GetModel().IsSelectedId(3));
    input.timeMs += 500;
    canvas.LeftDown(input);
    input.point.x += 40;
    canvas.MouseMove(input);
    ASSERT_TRUE(canvas.IsGestureRunning());

    ASSERT_EQ(RunChild([&] {
                  Instance other("other");
                  return other.Open(path) && other.Edits().DeleteObject(3).ok ? 0 : 1;
              }),
              0);
    const std::string written = TestFolder::Read(path);
    canvas.LeftUp(input);
    ASSERT_FALSE(mine.prompt.Shown().empty());
    EXPECT_EQ(mine.prompt.LastId(), messages::kEditTargetGone.id);
    EXPECT_EQ(TestFolder::Read(path), written);
    EXPECT_FALSE(canvas.IsGestureRunning());
    EXPECT_EQ(scene.GetModel().FindObject(3), nullptr);
    mine.status.Doc().RemoveObserver(&window);
    mine.status.SetView(nullptr);
}

}  // namespace
}  // namespace qb::test
