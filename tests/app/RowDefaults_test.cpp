#include "RowDefaults.h"

#include <gtest/gtest.h>

#include "CProject.h"
#include "CRow.h"

namespace qb {
namespace {

TEST(RowDefaultsTest, WithoutProjectValuesTheSettingAndFixedDefaultsApply) {
    CProject project;
    const auto row = RowDefaults::Prepare(project, "新しい段", 40);
    EXPECT_EQ(row->GetObjectId(), CData::kNoObject);
    EXPECT_EQ(row->GetCaption(), "新しい段");
    EXPECT_EQ(row->GetHeight(), 40);
    EXPECT_EQ(row->GetWidth(), 64);
    EXPECT_FALSE(row->GetTextFont().IsValid());
    EXPECT_EQ(row->GetTextColor(), 0u);
    EXPECT_EQ(row->GetParamInt("_BackColor", 0), 0xFFFFFF);
    EXPECT_EQ(row->GetBottomLinePen(), CPenInfo(0, 1, 0));
    EXPECT_EQ(row->GetRightLinePen(), CPenInfo(0, 1, 0));
}

TEST(RowDefaultsTest, TheProjectsDefaultRowValuesWin) {
    CProject project;
    project.SetParamInt("_DefRowHeight", 55);
    project.SetParamInt("_DefRowTextColor", 0x0000FF);
    project.SetParamInt("_DefRowBackColor", 0x00FFEE);
    project.SetParamInt("_DefRowBottomPenStyle", 2);
    project.SetParamInt("_DefRowBottomPenWidth", 3);
    project.SetParamInt("_DefRowBottomPenColor", 0x112233);
    project.SetParamInt("_DefRowRightPenStyle", 1);
    project.SetParamInt("_DefRowRightPenWidth", 2);
    project.SetParamInt("_DefRowRightPenColor", 0x445566);
    const auto row = RowDefaults::Prepare(project, "x", 40);
    EXPECT_EQ(row->GetHeight(), 55);
    EXPECT_EQ(row->GetTextColor(), 0x0000FFu);
    EXPECT_EQ(row->GetParamInt("_BackColor", 0), 0x00FFEE);
    EXPECT_EQ(row->GetBottomLinePen(), CPenInfo(2, 3, 0x112233));
    EXPECT_EQ(row->GetRightLinePen(), CPenInfo(1, 2, 0x445566));
}

// The first child of a row in box mode fills the parent's box.
TEST(RowDefaultsTest, OnlyTheFirstChildInBoxModeTakesTheParentsHeight) {
    const struct {
        const char* what;
        int indent;
        bool parentHasChild;
        bool childDeleted;
        int height;
    } cases[] = {
        {"box mode, no children", 0, false, false, 60},
        {"indent mode", 16, false, false, 40},
        {"box mode, a child already", 0, true, false, 40},
        {"box mode, only a deleted child", 0, true, true, 60},
    };
    for (const auto& c : cases) {
        CProject project;
        project.SetParamInt("_Indent", c.indent);
        project.SetParamInt("_DefRowHeight", 40);
        CRow parent(1);
        parent.SetHeight(60);
        if (c.parentHasChild) {
            auto child = std::make_unique<CRow>(2);
            child->SetDeleted(c.childDeleted);
            parent.GetChildren().Add(std::move(child));
        }
        const auto row = RowDefaults::Prepare(project, "x", 32);
        RowDefaults::TakeParentHeight(*row, project, parent);
        EXPECT_EQ(row->GetHeight(), c.height) << c.what;
    }
}

}  // namespace
}  // namespace qb
