#include "ProjectCopy.h"

#include <gtest/gtest.h>

#include "CColumn.h"
#include "CMdHoliday.h"
#include "CMemo.h"
#include "EditFixture.h"

namespace qb {
namespace {

using test::SmallProject;

std::unique_ptr<CProject> RichProject() {
    auto project = SmallProject(false);
    project->SetParamInt("_Indent", 16);
    project->SetDisplayColumns(false);
    project->FindRow(1)->SetParam("_c7", "cell");
    project->FindSchedule(4)->SetDeleted(true);
    project->FindSchedule(3)->SetRegistrant("someone");
    auto column = std::make_unique<CColumn>(project->NewObjectId());
    column->SetCaption("担当");
    project->GetColumns().Add(std::move(column));
    auto holiday = std::make_unique<CMdHoliday>();
    holiday->SetName("創立記念日");
    project->GetHolidays().Add(std::move(holiday));
    return project;
}

TEST(ProjectCopyTest, ContentCopiesTheRowTreeAndEveryObjectButNotTheProjectValues) {
    auto source = RichProject();
    CProject target;
    target.SetTitle("mine");
    target.SetLastObjectId(100);
    ProjectCopy::CopyContent(*source, target);

    ASSERT_EQ(target.GetRows().GetCount(), 2);
    const CRow* child = target.FindRow(1);
    ASSERT_NE(child, nullptr);
    EXPECT_EQ(child->GetCaption(), "A1");
    EXPECT_EQ(child->GetParentRow(), target.FindRow(0));
    EXPECT_EQ(child->GetParam("_c7"), "cell");
    ASSERT_NE(target.FindSchedule(4), nullptr);
    EXPECT_TRUE(target.FindSchedule(4)->IsDeleted());
    EXPECT_EQ(target.FindSchedule(3)->GetRegistrant(), "someone");
    EXPECT_EQ(target.FindSchedule(3)->GetRowObjectId(), 1);
    EXPECT_EQ(target.FindLink(6)->GetToId(), 4);
    EXPECT_EQ(static_cast<const CMemo*>(target.FindDrawPart(5))->GetText(), "note");
    EXPECT_EQ(target.FindColumn(7)->GetCaption(), "担当");
    EXPECT_FALSE(target.IsDisplayColumns());
    // The project's own values, options and holiday rules stay.
    EXPECT_EQ(target.GetTitle(), "mine");
    EXPECT_EQ(target.GetLastObjectId(), 100);
    EXPECT_FALSE(target.HasParam("_Indent"));
    EXPECT_EQ(target.GetHolidays().GetCount(), 0);
}

TEST(ProjectCopyTest, ContentReplacesWhatTheTargetHeldAndIsIndependentOfTheSource) {
    auto source = RichProject();
    auto target = SmallProject(false);
    target->GetRows().At(0)->GetChildren().Add(std::make_unique<CRow>(50));
    ProjectCopy::CopyContent(*source, *target);
    EXPECT_EQ(target->FindRow(50), nullptr);
    EXPECT_EQ(target->GetSchedules().GetCount(), 2);

    target->FindRow(1)->SetCaption("changed");
    target->FindSchedule(3)->SetCaption("changed");
    EXPECT_EQ(source->FindRow(1)->GetCaption(), "A1");
    EXPECT_EQ(source->FindSchedule(3)->GetCaption(), "");
}

TEST(ProjectCopyTest, FullCopyAddsProjectValuesOptionsAndHolidayRules) {
    auto source = RichProject();
    CProject target;
    ProjectCopy::CopyFull(*source, target);
    EXPECT_EQ(target.GetTitle(), "small");
    EXPECT_EQ(target.GetLastObjectId(), source->GetLastObjectId());
    EXPECT_EQ(target.GetParamInt("_Indent", 0), 16);
    ASSERT_EQ(target.GetHolidays().GetCount(), 1);
    EXPECT_EQ(target.GetHolidays().At(0)->GetName(), "創立記念日");
    EXPECT_NE(target.GetHolidays().At(0), source->GetHolidays().At(0));
    EXPECT_EQ(target.FindRow(1)->GetCaption(), "A1");
}

}  // namespace
}  // namespace qb
