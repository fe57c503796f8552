#include "ChartHint.h"

#include <gtest/gtest.h>

#include "CDisplayModel.h"
#include "CRuler.h"
#include "CalendarSettings.h"
#include "RowTreeBuilder.h"

namespace qb {
namespace {

using Kind = ChartHint::Kind;

class ChartHintTest : public ::testing::Test {
protected:
    ChartHintTest() {
        CRow& p = tree.Add("P", 30);
        tree.Child(p, "P1", 20);
        tree.Add("Q", 40);
        tree.Project().SetParamInt("_Indent", 10);
        model.Rebuild(tree.Project());
        model.Layout(ChartContext{});
        ruler.SetView(300, COleDateTime(2017, 3, 1, 0, 0, 0), COleDateTime(2017, 3, 30, 0, 0, 0));
        chart.model = &model;
        chart.ruler = &ruler;
    }
    Kind KindAt(DrawPoint point, bool inClient = true) const {
        return ChartHint::At(chart, inClient, point).kind;
    }

    RowTreeBuilder tree;
    CDisplayModel model;
    CalendarSettings calendar;
    CRuler ruler{calendar};
    ChartContext chart;
};

TEST_F(ChartHintTest, TheKindFollowsWhereThePointIs) {
    EXPECT_EQ(KindAt(DrawPoint{10, 5}, false), Kind::kNone);
    EXPECT_EQ(KindAt(DrawPoint{10, 90}), Kind::kNoRow) << "below the last row";
    EXPECT_EQ(KindAt(DrawPoint{10, 5}), Kind::kPosition) << "a parent outside summary mode";
    chart.summaryMode = true;
    EXPECT_EQ(KindAt(DrawPoint{10, 5}), Kind::kSummaryRow);
    EXPECT_EQ(KindAt(DrawPoint{10, 40}), Kind::kPosition) << "a leaf in summary mode";
    // A position carries the day under the point and the shape.
    const ChartHint hint = ChartHint::At(chart, true, DrawPoint{25, 40}, true);
    EXPECT_EQ(hint.day, COleDateTime(2017, 3, 3, 0, 0, 0));
    EXPECT_TRUE(hint.pointShape);
    chart.model = nullptr;
    EXPECT_EQ(KindAt(DrawPoint{10, 5}), Kind::kNoData);
}

TEST(ChartHintLine, ALineBreakBecomesOneSpace) {
    EXPECT_EQ(ChartHint::OneLine("a\r\nb\rc\n"), "a b\rc\n");
}

}  // namespace
}  // namespace qb
