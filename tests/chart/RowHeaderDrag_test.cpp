#include "RowHeaderDrag.h"

#include <gtest/gtest.h>

#include "CData.h"
#include "PaneFixture.h"

namespace qb::test {
namespace {

using Call = RecordingPaneEdits::Call;

class RowHeaderDragTest : public PaneTest {
public:
    RowHeaderDrag drag{status, scene, edits};

    // Pane points in a row: its upper quarter, middle and lower quarter.
    DrawPoint Upper(std::int32_t id) { return Point(id, RowRect(id).top + 2); }
    DrawPoint Middle(std::int32_t id) {
        return Point(id, RowRect(id).top + RowRect(id).Height() / 2);
    }
    DrawPoint Lower(std::int32_t id) { return Point(id, RowRect(id).bottom - 2); }
    DrawPoint Point(std::int32_t id, int y) {
        return DrawPoint{RowRect(id).left + 5, y - scene.GetTop()};
    }

    bool DragFromTo(std::int32_t row, DrawPoint to) {
        if (!drag.Press(Upper(row)))
            return false;
        drag.Move(to);
        return drag.Release(to);
    }
};

TEST_F(RowHeaderDragTest, DropsGoBesideOrIntoRows) {
    struct Case {
        const char* name;
        std::int32_t row;
        DrawPoint (RowHeaderDragTest::*where)(std::int32_t);
        std::int32_t target;
        Call call;
    };
    const Case cases[] = {
        {"onto a row: its last child", 4, &RowHeaderDragTest::Middle, 5, {"row", 4, 5, -1}},
        {"above a later sibling", 5, &RowHeaderDragTest::Upper, 4, {"row", 5, CData::kNoObject, 1}},
        {"below an earlier sibling",
         1,
         &RowHeaderDragTest::Lower,
         4,
         {"row", 1, CData::kNoObject, 1}},
        {"among another row's children", 4, &RowHeaderDragTest::Upper, 3, {"row", 4, 1, 1}},
        {"a child out to the top level",
         2,
         &RowHeaderDragTest::Upper,
         5,
         {"row", 2, CData::kNoObject, 2}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        edits.calls.clear();
        EXPECT_TRUE(DragFromTo(c.row, (this->*c.where)(c.target)));
        EXPECT_EQ(edits.calls, std::vector<Call>{c.call});
    }
}

TEST_F(RowHeaderDragTest, BelowAllRowsAppendsAtTheTopLevel) {
    const int below = Model().TotalHeight() - scene.GetTop() + 10;
    EXPECT_TRUE(DragFromTo(2, DrawPoint{5, below}));
    EXPECT_EQ(edits.calls, (std::vector<Call>{{"row", 2, CData::kNoObject, -1}}));
}

// A row never goes into its own subtree, nor back where it is.
TEST_F(RowHeaderDragTest, RefusedDropsWriteNothing) {
    EXPECT_TRUE(DragFromTo(1, Middle(2)));
    EXPECT_TRUE(DragFromTo(1, Upper(3)));
    EXPECT_TRUE(DragFromTo(4, Middle(4)));
    EXPECT_TRUE(DragFromTo(4, Point(1, RowRect(1).bottom - 8)));
    EXPECT_TRUE(DragFromTo(5, DrawPoint{5, Model().TotalHeight() - scene.GetTop() + 10}));
    EXPECT_TRUE(edits.calls.empty());
    drag.Press(Middle(1));
    drag.Move(Middle(3));
    EXPECT_FALSE(drag.CurrentDrop().has_value());
}

TEST_F(RowHeaderDragTest, SmallJitterCancelAndReadOnlyWriteNothing) {
    DrawPoint jitter = Middle(4);
    drag.Press(Middle(4));
    jitter.y += RowHeaderDrag::kStartDistance;
    EXPECT_FALSE(drag.Move(jitter));
    EXPECT_FALSE(drag.Release(jitter));

    drag.Press(Middle(4));
    EXPECT_TRUE(drag.Move(Middle(5)));
    EXPECT_TRUE(drag.CurrentDrop().has_value());
    EXPECT_TRUE(drag.Cancel());
    EXPECT_FALSE(drag.Release(Middle(5)));

    status.Doc().SetReadOnly(true);
    EXPECT_FALSE(DragFromTo(4, Middle(5)));
    EXPECT_TRUE(edits.calls.empty());
}

}  // namespace
}  // namespace qb::test
