#include "PaneLayout.h"

#include <gtest/gtest.h>

#include "AppSettings.h"
#include "ViewStatus.h"

namespace qb {
namespace {

TEST(PaneLayoutTest, StoredPositionsAreHeldToUsablePanes) {
    struct Case {
        int columnLeft, canvasLeft, rowHeader, columnArea;
    };
    const Case cases[] = {
        {240, 300, 240, 60},  // the defaults
        {240, 240, 240, 0},   // no column area
        {240, 100, 240, 0},   // the chart never starts inside the row header
        {0, 300, 20, 280},    // a row header too narrow to show anything
        {-5, -1, 20, 0},          {100000, 0, 8000, 0},  // damaged values
        {240, 999999, 240, 8000},
    };
    for (const Case& c : cases) {
        const PaneLayout layout(c.columnLeft, c.canvasLeft);
        EXPECT_EQ(layout.RowHeaderWidth(), c.rowHeader) << c.columnLeft << "," << c.canvasLeft;
        EXPECT_EQ(layout.ColumnAreaWidth(), c.columnArea) << c.columnLeft << "," << c.canvasLeft;
    }
}

TEST(PaneLayoutTest, AFilesSplitsReplaceThePositionsUnlessTheySayKeep) {
    AppSettings settings;
    PaneLayout layout = PaneLayout::FromSettings(settings);
    layout.ApplySplits(-1, -1);
    EXPECT_EQ(layout.ColumnLeft(), 240);
    EXPECT_EQ(layout.CanvasLeft(), 300);
    layout.ApplySplits(150, 400);
    EXPECT_EQ(layout.ColumnLeft(), 150);
    EXPECT_EQ(layout.CanvasLeft(), 400);
    // Each position on its own; the chart moves along when the row header
    // would reach past it.
    layout.ApplySplits(-7, 350);
    EXPECT_EQ(layout.ColumnLeft(), 150);
    EXPECT_EQ(layout.CanvasLeft(), 350);
    layout.ApplySplits(500, -1);
    EXPECT_EQ(layout.ColumnLeft(), 500);
    EXPECT_EQ(layout.CanvasLeft(), 500);
}

TEST(PaneLayoutTest, DragsMoveThePanesAndAHiddenColumnAreaKeepsItsWidth) {
    PaneLayout layout(240, 300);
    layout.PanesMoved(200, 50, true);
    EXPECT_EQ(layout.ColumnLeft(), 200);
    EXPECT_EQ(layout.CanvasLeft(), 250);
    layout.PanesMoved(260, 0, false);
    EXPECT_EQ(layout.ColumnLeft(), 260);
    EXPECT_EQ(layout.CanvasLeft(), 310);

    AppSettings settings;
    ViewStatus status;
    layout.StoreTo(settings);
    layout.StoreTo(status);
    EXPECT_EQ(settings.columnLeft, 260);
    EXPECT_EQ(settings.canvasLeft, 310);
    EXPECT_EQ(status.split1, 260);
    EXPECT_EQ(status.split2, 310);
}

}  // namespace
}  // namespace qb
