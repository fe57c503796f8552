#include "CProject.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "CMemo.h"
#include "CScheduleStyle.h"

namespace qb {
namespace {

CRow* AddRow(CRowArray& rows, CProject& project, const std::string& caption) {
    auto row = std::make_unique<CRow>(project.NewObjectId());
    row->SetCaption(caption);
    CRow* raw = row.get();
    rows.Add(std::move(row));
    return raw;
}

TEST(CProject, IdsComeFromLastObjectIdAndAreNeverReused) {
    CProject project;
    EXPECT_EQ(project.GetLastObjectId(), 0);
    EXPECT_EQ(project.NewObjectId(), 0);
    EXPECT_EQ(project.NewObjectId(), 1);
    EXPECT_EQ(project.GetLastObjectId(), 2);
}

// Rows come before other kinds with the same id; tombstones are found too.
TEST(CProject, FindSearchesTheWholeRowTreeAndPrefersRows) {
    CProject project;
    CRow* top = AddRow(project.GetRows(), project, "top");
    CRow* deep =
        AddRow(AddRow(top->GetChildren(), project, "middle")->GetChildren(), project, "deep");
    deep->SetDeleted(true);
    EXPECT_EQ(project.FindRow(deep->GetObjectId()), deep);
    EXPECT_EQ(project.FindRow(99), nullptr);
    project.GetSchedules().Add(std::make_unique<CSchedule>(5));
    EXPECT_EQ(project.FindObject(5)->GetType(), CData::kSchedule);
    project.GetRows().Add(std::make_unique<CRow>(5));
    EXPECT_EQ(project.FindObject(5)->GetType(), CData::kRow);
    project.GetDrawParts().Add(std::make_unique<CMemo>(6));
    project.GetColumns().Add(std::make_unique<CColumn>(6));
    EXPECT_EQ(project.FindObject(6)->GetType(), CData::kMemo);
    EXPECT_EQ(project.FindColumn(6)->GetType(), CData::kColumn);
}

TEST(CProject, FindRowByCaptionTrimsBlanksDropsLineBreaksAndGoesDepthFirst) {
    CProject project;
    CRow* first = AddRow(project.GetRows(), project, "A");
    CRow* child = AddRow(first->GetChildren(), project, "  Target\r\n ");
    AddRow(project.GetRows(), project, "Target");
    CRow* split = AddRow(project.GetRows(), project, "Two\r\nLines");
    EXPECT_EQ(project.FindRowByCaption("Target"), child) << "a child comes before the next sibling";
    EXPECT_EQ(project.FindRowByCaption("TwoLines"), split);
    EXPECT_EQ(project.FindRowByCaption("target"), nullptr);
}

TEST(CProject, RowsKnowTheirParentAndIndexAndCannotBecomeTheirOwnDescendant) {
    CProject project;
    CRow* top = AddRow(project.GetRows(), project, "top");
    CRow* first = AddRow(top->GetChildren(), project, "c0");
    CRow* second = AddRow(top->GetChildren(), project, "c1");
    EXPECT_EQ(top->GetParentRow(), nullptr);
    EXPECT_EQ(top->GetIndex(), 0);
    EXPECT_EQ(second->GetParentRow(), top);
    EXPECT_EQ(second->GetIndex(), 1);

    std::unique_ptr<CData> taken = top->GetChildren().RemoveAt(1);
    EXPECT_EQ(second->GetIndex(), -1);
    EXPECT_EQ(second->GetParentRow(), nullptr);
    std::unique_ptr<CData> detached = project.GetRows().RemoveAt(0);
    EXPECT_THROW(first->GetChildren().Add(std::move(detached)), std::invalid_argument);
}

TEST(CProject, RulerSettingsAreNumberedOneToThree) {
    CProject project;
    project.SetLowerRulerUnit(3, 4);
    EXPECT_EQ(project.GetProperty("lowerRulerUnit3"), "");
    EXPECT_EQ(project.CollectProperties().Get("lowerRulerUnit3"), "4");
    EXPECT_THROW(project.GetUpperRulerFormat(0), std::invalid_argument);
    EXPECT_THROW(project.SetUpperRulerFormat(4, 1), std::invalid_argument);
}

TEST(CScheduleStyle, CopyingOntoANamedStyleKeepsItsName) {
    CScheduleStyle source;
    source.SetKey("source");
    source.SetBgColor(0x00FF00);
    CScheduleStyle named;
    named.SetKey("mine");
    named.CopyFrom(source);
    EXPECT_EQ(named.GetKey(), "mine");
    EXPECT_EQ(named.GetBgColor(), 0x00FF00u);

    CScheduleStyle unnamed;
    unnamed.CopyFrom(source);
    EXPECT_EQ(unnamed.GetKey(), "source");
}

}  // namespace
}  // namespace qb
