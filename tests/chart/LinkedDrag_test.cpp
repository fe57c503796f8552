#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "CLinkArray.h"
#include "CanvasFixture.h"

namespace qb::test {
namespace {

// Bars 4 and 5 of the canvas fixture joined by a link from 4 to 5.
class LinkedDragTest : public CanvasTest {
protected:
    LinkedDragTest() {
        auto link = std::make_unique<CLink>(Project().NewObjectId());
        link->SetFromId(4);
        link->SetToId(5);
        Project().GetLinks().Add(std::move(link));
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

}  // namespace
}  // namespace qb::test
