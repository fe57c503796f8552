#include "ColumnHeaderInput.h"

#include <gtest/gtest.h>

#include "ColumnCellInput.h"
#include "CommandIds.h"
#include "PaneFixture.h"

namespace qb::test {
namespace {

using Call = RecordingPaneEdits::Call;

class ColumnHeaderInputTest : public PaneTest {
protected:
    ColumnHeaderInput input{status, scene, edits};
    static constexpr int kY = 10;

    void Drag(int fromX, int toX) {
        input.LeftDown(At(fromX, kY));
        input.MouseMove(At(toX, kY));
        input.LeftUp(At(toX, kY));
    }
};

TEST_F(ColumnHeaderInputTest, ColumnsLieSideBySide) {
    EXPECT_EQ(ColumnRect(0).left, 0);
    EXPECT_EQ(ColumnRect(1).left, 50);
    EXPECT_EQ(ColumnRect(2).left, 110);
    EXPECT_EQ(ColumnRect(2).right, 180);
}

// The border of the second column (50..110) dragged to x: the width follows
// at once, never below 10, and is written once on release.
TEST_F(ColumnHeaderInputTest, ResizeFollowsThePointerAndWritesOnce) {
    struct Case {
        int grabX;
        int toX;
        int width;
    };
    for (const Case& c : {Case{109, 200, 150}, Case{108, 40, 10}, Case{112, 62, 12}}) {
        SCOPED_TRACE(c.toX);
        edits.calls.clear();
        scene.Open(*status.GetProject());
        scene.Relayout();
        ASSERT_TRUE(input.IsOnWidthHandle(DrawPoint{c.grabX, kY}));
        EXPECT_EQ(input.LeftDown(At(c.grabX, kY)).capture, 1);
        input.MouseMove(At(c.toX - 20, kY));
        input.MouseMove(At(c.toX, kY));
        EXPECT_EQ(Column(1).GetWidth(), c.width);
        EXPECT_EQ(ColumnRect(2).left, 50 + c.width);
        EXPECT_TRUE(edits.calls.empty());
        EXPECT_EQ(input.LeftUp(At(c.toX, kY)).capture, -1);
        EXPECT_EQ(edits.calls, (std::vector<Call>{{"width", 7, -1, c.width}}));
    }
}

TEST_F(ColumnHeaderInputTest, ResizeUnmovedCancelledOrRefusedLeavesTheWidth) {
    Drag(109, 109);
    input.LeftDown(At(109, kY));
    input.MouseMove(At(150, kY));
    input.Cancel();
    EXPECT_TRUE(edits.calls.empty());
    EXPECT_EQ(Column(1).GetWidth(), 60);
    EXPECT_EQ(ColumnRect(2).left, 110);

    edits.accept = false;
    Drag(109, 150);
    EXPECT_EQ(edits.calls.size(), 1u);
    EXPECT_EQ(Column(1).GetWidth(), 60);
    EXPECT_EQ(ColumnRect(2).left, 110);
}

// A column takes the place of the one it is dropped on: after it when it
// came from the left, before it when from the right; right of all columns
// counts as the last one.
TEST_F(ColumnHeaderInputTest, MoveLandsInTheTargetsPlace) {
    struct Case {
        int fromX;
        int toX;
        std::vector<Call> calls;
    };
    const Case cases[] = {
        {25, 150, {{"move", 6, -1, 2}}},
        {25, 500, {{"move", 6, -1, 2}}},
        {150, 20, {{"move", 8, -1, 0}}},
        {150, 80, {{"move", 8, -1, 1}}},
        {25, 30, {}},
        {80, 80, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.toX);
        edits.calls.clear();
        input.LeftDown(At(c.fromX, kY));
        input.MouseMove(At(c.toX, kY));
        EXPECT_EQ(input.DropMarkerX().has_value(), !c.calls.empty());
        input.LeftUp(At(c.toX, kY));
        EXPECT_EQ(edits.calls, c.calls);
        EXPECT_FALSE(input.IsDragging());
    }
}

TEST_F(ColumnHeaderInputTest, PressesSelectAsTheChartDoes) {
    input.LeftDown(At(25, kY));
    input.LeftUp(At(25, kY));
    EXPECT_EQ(Selection(), (std::vector<std::uint32_t>{6}));
    input.LeftDown(At(80, kY, true));
    input.LeftUp(At(80, kY, true));
    EXPECT_EQ(Selection(), (std::vector<std::uint32_t>{6, 7}));
    input.LeftDown(At(25, kY, true));
    input.LeftUp(At(25, kY, true));
    EXPECT_EQ(Selection(), (std::vector<std::uint32_t>{7}));
    input.LeftDown(At(400, kY));
    input.LeftUp(At(400, kY));
    EXPECT_TRUE(Selection().empty());
}

TEST_F(ColumnHeaderInputTest, ReadOnlyDocumentOnlySelects) {
    status.Doc().SetReadOnly(true);
    EXPECT_FALSE(input.IsOnWidthHandle(DrawPoint{109, kY}));
    EXPECT_EQ(input.LeftDown(At(109, kY)).capture, 0);
    input.MouseMove(At(200, kY));
    input.LeftUp(At(200, kY));
    Drag(25, 150);
    EXPECT_TRUE(edits.calls.empty());
    EXPECT_EQ(Column(1).GetWidth(), 60);
    EXPECT_EQ(Selection(), (std::vector<std::uint32_t>{6}));
}

TEST_F(ColumnHeaderInputTest, DoubleClickAsksForPropertiesOrANewColumn) {
    EXPECT_EQ(input.LeftDoubleClick(At(80, kY)).command, cmd::kProperties);
    EXPECT_EQ(input.LeftDoubleClick(At(400, kY)).command, cmd::kInsertColumn);
    EXPECT_EQ(input.LeftDoubleClick(At(109, kY)).command, 0);
}

// The cell pane ------------------------------------------------------------

class ColumnCellInputTest : public PaneTest {
protected:
    ColumnCellInput cells{scene};
    int Current() { return Model().GetCurrentColumn(); }
};

TEST_F(ColumnCellInputTest, ClickSelectsTheRowAndMakesTheColumnCurrent) {
    const GuiRect row = RowRect(4);
    cells.LeftDown(At(80, row.top + 5 - scene.GetTop()));
    EXPECT_EQ(Current(), 1);
    EXPECT_EQ(Selection(), (std::vector<std::uint32_t>{4}));
    const PaneReply reply = cells.LeftDoubleClick(At(120, row.top + 5 - scene.GetTop()));
    EXPECT_EQ(reply.command, cmd::kEditText);
    EXPECT_EQ(Current(), 2);
    EXPECT_EQ(cells.KeyDown(CellKey::kEnter, At(0, 0)).command, cmd::kProperties);
}

TEST_F(ColumnCellInputTest, ArrowsWalkVisibleColumnsAndStayAtTheEnds) {
    Model().SetColumnHidden(7, true);
    scene.Relayout();
    const struct {
        CellKey key;
        int current;
    } steps[] = {{CellKey::kRight, 0},
                 {CellKey::kRight, 2},
                 {CellKey::kRight, 2},
                 {CellKey::kLeft, 0},
                 {CellKey::kLeft, 0}};
    for (const auto& step : steps) {
        cells.KeyDown(step.key, At(0, 0));
        EXPECT_EQ(Current(), step.current);
    }
    CanvasInput shift = At(0, 0);
    shift.shift = true;
    cells.KeyDown(CellKey::kRight, shift);
    EXPECT_EQ(Current(), 0);
}

TEST_F(ColumnCellInputTest, UpAndDownSelectTheNeighbourRows) {
    Model().Select(4, false);
    cells.KeyDown(CellKey::kDown, At(0, 0));
    EXPECT_EQ(Selection(), (std::vector<std::uint32_t>{5}));
    cells.KeyDown(CellKey::kDown, At(0, 0));
    EXPECT_EQ(Selection(), (std::vector<std::uint32_t>{5}));
    cells.KeyDown(CellKey::kUp, At(0, 0));
    EXPECT_EQ(Selection(), (std::vector<std::uint32_t>{4}));
}

}  // namespace
}  // namespace qb::test
