#include "ChartTexts.h"

#include <gtest/gtest.h>

#include "CGuiSchedule.h"
#include "CSchedule.h"

namespace qb {
namespace {

ChartHint Position(bool pointShape) {
    ChartHint hint;
    hint.kind = ChartHint::Kind::kPosition;
    hint.day = COleDateTime(2017, 3, 3, 0, 0, 0);
    hint.pointShape = pointShape;
    return hint;
}

TEST(ChartTexts, APositionNamesTheDayAndHowTheShapeIsCreated) {
    EXPECT_EQ(ChartTexts::Text(Position(false)),
              "現在位置: 2017/3/3(金)\r\nマウスドラッグするとスケジュールを作成できます。");
    EXPECT_EQ(ChartTexts::OneLine(Position(true)),
              "現在位置: 2017/3/3(金) ダブルクリックするとスケジュールを作成できます。");
}

TEST(ChartTexts, EachKindHasItsOwnWords) {
    ChartHint hint;
    EXPECT_EQ(ChartTexts::Text(hint), "");
    CSchedule data;
    data.SetScheduleType(2);
    data.SetStartDate(COleDateTime(2024, 1, 3, 0, 0, 0));
    data.SetProgressRate(500);
    const CGuiSchedule point(data, nullptr);
    hint.kind = ChartHint::Kind::kObject;
    hint.object = &point;
    EXPECT_EQ(ChartTexts::Text(hint), "2024/1/3(水)\r\n[進捗率] 50%");
    hint.kind = ChartHint::Kind::kNoData;
    EXPECT_EQ(ChartTexts::OneLine(hint),
              "表示するデータがありません。 新規作成するか、既存のデータを開いて下さい。");
    hint.kind = ChartHint::Kind::kSummaryRow;
    EXPECT_EQ(ChartTexts::Text(hint), ChartTexts::kSummaryRow);
}

}  // namespace
}  // namespace qb
