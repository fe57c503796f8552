#include "ChartHint.h"

#include <gtest/gtest.h>

#include "CDisplayModel.h"
#include "CRuler.h"
#include "CalendarSettings.h"
#include "RowTreeBuilder.h"

namespace qb {
namespace {

class ChartHintTest : public ::testing::Test {
protected:
    ChartHintTest() {
        CRow& p = tree.Add("P", 30);
        tree.Child(p, "P1", 20);
        pId = p.GetObjectId();
        tree.Add("Q", 40);
        tree.Project().SetParamInt("_Indent", 10);
        model.Rebuild(tree.Project());
        model.Layout(GuiLayoutArgs{});
        ruler.SetView(300, COleDateTime(2017, 3, 1, 0, 0, 0), COleDateTime(2017, 3, 30, 0, 0, 0));
        input.model = &model;
        input.ruler = &ruler;
    }

    RowTreeBuilder tree;
    CDisplayModel model;
    CalendarSettings calendar;
    CRuler ruler{calendar};
    ChartHint::Input input;
    std::int32_t pId = 0;
};

TEST_F(ChartHintTest, OutsideTheWindowThereIsNoHint) {
    input.inClient = false;
    EXPECT_EQ(ChartHint::Text(input), "");
}

TEST_F(ChartHintTest, WithoutAProjectItAsksForData) {
    input.model = nullptr;
    EXPECT_EQ(ChartHint::Text(input),
              "表示するデータがありません。\r\n新規作成するか、既存のデータを開いて下さい。");
}

TEST_F(ChartHintTest, BelowTheLastRowNoScheduleCanBeMade) {
    input.chartPoint = DrawPoint{10, 90};
    EXPECT_EQ(ChartHint::Text(input), "段がないところには、スケジュールを作成できません。");
}

TEST_F(ChartHintTest, SummaryModeAsksToLeaveItOnAParentRow) {
    input.chartPoint = DrawPoint{10, 5};
    input.summaryMode = true;
    EXPECT_EQ(ChartHint::Text(input),
              "この段にスケジュールを作成するには、サマリー表示モードを解除して下さい。");
}

TEST_F(ChartHintTest, OtherwiseItShowsTheDateAndHowToCreate) {
    input.chartPoint = DrawPoint{25, 40};
    EXPECT_EQ(ChartHint::Text(input),
              "現在位置: 2017/3/3(金)\r\nマウスドラッグするとスケジュールを作成できます。");
    input.pointShape = true;
    input.summaryMode = true;
    EXPECT_EQ(ChartHint::Text(input),
              "現在位置: 2017/3/3(金)\r\nダブルクリックするとスケジュールを作成できます。");
}

}  // namespace
}  // namespace qb
