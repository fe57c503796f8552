#include "CGuiColumn.h"

#include <gtest/gtest.h>

#include "CGuiColumnArray.h"
#include "CRuler.h"
#include "ColumnTestProject.h"

namespace qb {
namespace {

class ColumnLayoutTest : public ::testing::Test {
protected:
    ColumnLayoutTest() {
        a = &project.AddColumn("A", 50);
        b = &project.AddColumn("B", 30);
        b->SetRightLineCode(CPenInfo(2, 3, 0x0000FF));
        c = &project.AddColumn("C", 40);
        project.tree.Add("R", 40);
    }
    const CGuiColumn& Gui(std::size_t index) const { return *project.model.GetColumns().At(index); }

    ColumnTestProject project;
    CColumn* a = nullptr;
    CColumn* b = nullptr;
    CColumn* c = nullptr;
};

TEST_F(ColumnLayoutTest, ColumnsLieSideBySideUnderTheHeader) {
    project.Build();
    EXPECT_EQ(Gui(0).GetRect(), (GuiRect{0, 0, 50, CRuler::kHeight}));
    EXPECT_EQ(Gui(1).GetRect(), (GuiRect{50, 0, 80, CRuler::kHeight}));
    EXPECT_EQ(Gui(2).GetRect(), (GuiRect{80, 0, 120, CRuler::kHeight}));
    EXPECT_EQ(project.model.GetColumns().Right(), 120);
    const auto& borders = project.model.GetColumns().Borders();
    ASSERT_EQ(borders.size(), 3u);
    EXPECT_EQ(borders.at(80), (DrawPen{2, 3, 0x0000FF}));
}

// A hidden column keeps its place with no width, and stays hidden across a
// rebuild until shown again.
TEST_F(ColumnLayoutTest, AHiddenColumnTakesNoWidth) {
    project.Build();
    project.model.SetColumnHidden(b->GetObjectId(), true);
    project.Build();
    EXPECT_EQ(Gui(1).GetRect().left, 50);
    EXPECT_EQ(Gui(1).GetRect().right, 50);
    EXPECT_EQ(Gui(2).GetRect(), (GuiRect{50, 0, 90, CRuler::kHeight}));
    EXPECT_TRUE(Gui(0).IsNextHidden());
    EXPECT_EQ(project.model.GetColumns().NearestVisible(0, 1), 2);
    EXPECT_EQ(project.model.GetColumns().NearestVisible(2, -1), 0);
    EXPECT_EQ(project.model.GetColumns().ColumnAt(50), &Gui(2));

    EXPECT_FALSE(project.model.ShowNeighbourColumn(1, 1));
    EXPECT_TRUE(project.model.ShowNeighbourColumn(0, 1));
    project.Build();
    EXPECT_EQ(Gui(2).GetRect().left, 80);
    EXPECT_FALSE(project.model.HasHiddenColumns());
}

TEST_F(ColumnLayoutTest, ACurrentColumnThatIsGoneLeavesNoCellCurrent) {
    project.Build();
    project.model.SetCurrentColumn(2);
    project.Build();
    EXPECT_EQ(project.model.GetCurrentColumn(), 2);
    c->SetDeleted(true);
    project.Build();
    EXPECT_EQ(project.model.GetCurrentColumn(), -1);
}

TEST_F(ColumnLayoutTest, HandlesAtTheEdgesAndAGripBeyondTheRightOne) {
    project.Build();
    const CGuiColumn& second = Gui(1);  // 50..80
    struct Case {
        int x, y;
        bool grow;
        int handle;
    } cases[] = {
        {49, 10, false, CGuiObject::kHandleNone},
        {50, 10, false, CGuiObject::kHandleStart},
        {52, 10, false, CGuiObject::kHandleStart},
        {53, 10, false, CGuiObject::kHandleBody},
        {77, 10, false, CGuiObject::kHandleBody},
        {78, 10, false, CGuiObject::kHandleEnd},
        {80, 10, false, CGuiObject::kHandleNone},
        {82, 10, true, CGuiObject::kHandleEnd},
        {83, 10, true, CGuiObject::kHandleNone},
        {60, CRuler::kHeight + 2, true, CGuiObject::kHandleBody},
        {60, CRuler::kHeight, false, CGuiObject::kHandleNone},
    };
    for (const Case& test : cases)
        EXPECT_EQ(second.HitTestHandle(DrawPoint{test.x, test.y}, test.grow), test.handle)
            << test.x << "," << test.y << " grow " << test.grow;
}

// A width dragged past the left edge leaves the narrowest column.
TEST_F(ColumnLayoutTest, ADraggedWidthIsLaidOutAndNeverBelowTheFloor) {
    project.Build();
    CGuiColumn& second = *project.model.GetColumns().At(1);
    second.SetWidth(-20);
    project.Layout();
    EXPECT_EQ(second.GetRect().right, 50 + CGuiColumn::kMinWidth);
    second.SetWidth(CGuiColumn::kMinWidth + 1);
    project.Layout();
    EXPECT_EQ(Gui(2).GetRect().left, 50 + CGuiColumn::kMinWidth + 1);
}

TEST_F(ColumnLayoutTest, PreviewedValuesAreLaidOutUntilDropped) {
    project.Build();
    CColumn values;
    values.CopyFrom(*b);
    values.SetWidth(5);
    project.model.PreviewColumn(b->GetObjectId(), &values);
    project.Layout();
    EXPECT_EQ(Gui(1).GetWidth(), CGuiColumn::kMinWidth);
    EXPECT_EQ(Gui(2).GetRect().left, 60);
    project.model.PreviewColumn(b->GetObjectId(), nullptr);
    project.Layout();
    EXPECT_EQ(Gui(2).GetRect().left, 80);
}

}  // namespace
}  // namespace qb
