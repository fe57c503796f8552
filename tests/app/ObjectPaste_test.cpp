#include "ObjectPaste.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "CDisplayModel.h"
#include "CGuiObject.h"
#include "CGuiRow.h"
#include "ChartScene.h"
#include "ObjectText.h"
#include "ProjectBuilder.h"

namespace qb {
namespace {

COleDateTime Moment(int month, int day, int hour = 0) {
    return COleDateTime(2024, month, day, hour, 0, 0);
}

// Rows R1 and R2, 30 pixels each, on the month chart from 1 April 2024 at
// 10 pixels a day. On R1: a bar kept by whole days, a bar with times of day,
// a milestone mark drawn around its day, a memo; a link between the bars.
// Each copied at the place the chart gives it.
class ObjectPasteTest : public ::testing::Test {
protected:
    ObjectPasteTest() {
        test::ProjectBuilder build(project_, 30);
        r1_ = build.Row("").GetObjectId();
        r2_ = build.Row("").GetObjectId();
        CSchedule& bar = build.Schedule(r1_, Moment(4, 10), Moment(4, 15));
        bar.SetYOffset(4);
        CSchedule& timed = build.Schedule(r1_, Moment(4, 12, 6), Moment(4, 13, 18));
        timed.SetByDay(false);
        timed.SetStartOffset(2500);
        timed.SetEndOffset(7500);
        timed.SetYOffset(8);
        CSchedule& mark = build.Schedule(r1_, Moment(4, 20), Moment(4, 20));
        mark.SetScheduleType(1);
        mark.SetStartOffset(5000);
        CMemo& memo = build.Memo(r1_, Moment(4, 25));
        memo.SetYOffset(3);
        memo.SetXOffset(5000);
        memo.SetWidth(80);
        memo.SetHeight(20);
        CLink& link = build.Link(bar.GetObjectId(), timed.GetObjectId());
        copied_ = {&bar, &timed, &mark, &memo, &link};
        scene_.Open(project_);
        scene_.SetSize(700, 300);
        scene_.SetPeriod(Moment(4, 1), Moment(6, 30), 10.0);
    }

    // The objects as copying takes them from the chart.
    std::vector<ClipboardObject> Copy(const std::vector<CData*>& objects) {
        std::vector<ClipboardObject> copied;
        for (CData* object : objects) {
            const GuiRect rect = scene_.GetModel().FindObject(object->GetObjectId())->GetRect();
            copied.push_back({object->Clone(), DrawPoint{rect.left, rect.top}});
        }
        return copied;
    }
    ObjectPaste::Placement Place(const std::vector<ClipboardObject>& objects, DrawPoint at) {
        return ObjectPaste::Place(objects, at, scene_.Context());
    }

    CProject project_;
    ChartScene scene_;
    std::int32_t r1_ = 0, r2_ = 0;
    std::vector<CData*> copied_;
};

TEST_F(ObjectPasteTest, PastedWhereTheyWereCopiedTheyKeepEveryDateAndRow) {
    const std::vector<ClipboardObject> objects = Copy(copied_);
    const ObjectPaste::Placement placement = Place(objects, objects.front().position);
    ASSERT_EQ(placement.values.size(), copied_.size());
    EXPECT_EQ(placement.dropped, 0);
    for (std::size_t i = 0; i < copied_.size(); ++i)
        EXPECT_EQ(ObjectText::Write(*placement.values[i]), ObjectText::Write(*copied_[i]))
            << "object " << i;
}

TEST_F(ObjectPasteTest, AMoveByAWeekAndARowMovesEveryObjectAlike) {
    const std::vector<ClipboardObject> objects = Copy(copied_);
    const DrawPoint first = objects.front().position;
    const ObjectPaste::Placement placement = Place(objects, {first.x + 70, first.y + 30});
    ASSERT_EQ(placement.values.size(), copied_.size());
    for (std::size_t i = 0; i < 3; ++i) {
        const auto& before = static_cast<const CSchedule&>(*copied_[i]);
        const auto& after = static_cast<const CSchedule&>(*placement.values[i]);
        EXPECT_EQ(after.GetStartDate(), before.GetStartDate().AddDays(7)) << i;
        EXPECT_EQ(after.GetEndDate(), before.GetEndDate().AddDays(7)) << i;
        EXPECT_EQ(after.GetStartOffset(), before.GetStartOffset()) << i;
        EXPECT_EQ(after.GetEndOffset(), before.GetEndOffset()) << i;
        EXPECT_EQ(after.GetRowObjectId(), r2_) << i;
        EXPECT_EQ(after.GetYOffset(), before.GetYOffset()) << i;
    }
    const auto& memo = static_cast<const CMemo&>(*placement.values[3]);
    EXPECT_EQ(memo.GetXDate(), Moment(5, 2));
    EXPECT_EQ(memo.GetXOffset(), 5000);
    EXPECT_EQ(memo.GetYRowId(), r2_);
    EXPECT_EQ(memo.GetYOffset(), 3);
    EXPECT_EQ(memo.GetWidth(), 80);
    // The link keeps the copied ends; adding gives both new ids.
    EXPECT_EQ(ObjectText::Write(*placement.values[4]), ObjectText::Write(*copied_[4]));
}

TEST_F(ObjectPasteTest, WhatFallsOffTheRowsIsLeftOutWithItsLinks) {
    const std::vector<ClipboardObject> objects = Copy(copied_);
    const DrawPoint first = objects.front().position;
    // The bar lands on R2's last pixel; the timed bar, a little lower on
    // the chart, falls below it, and the link between them goes too.
    const int bottom = scene_.GetModel().FindRow(r2_)->GetRect().bottom;
    const int lower = objects[1].position.y - first.y;
    ASSERT_GT(lower, 0);
    const ObjectPaste::Placement placement = Place(objects, {first.x, bottom - 1});
    EXPECT_GE(placement.dropped, 1);
    ASSERT_FALSE(placement.values.empty());
    EXPECT_EQ(placement.values.front()->GetObjectId(), copied_[0]->GetObjectId());
    for (const auto& value : placement.values)
        EXPECT_NE(value->GetType(), CData::kLink);
    // Above the first row nothing lands.
    EXPECT_TRUE(Place(objects, {first.x, -200}).values.empty());
}

}  // namespace
}  // namespace qb
