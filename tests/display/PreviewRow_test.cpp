#include <gtest/gtest.h>

#include "CGuiRow.h"
#include "ColumnTestProject.h"

namespace qb {
namespace {

// R (60 high) with no children, then S; box mode unless told.
class PreviewRowTest : public ::testing::Test {
protected:
    PreviewRowTest() {
        r = &project.tree.Add("R", 60);
        s = &project.tree.Add("S", 40);
        values.SetCaption("新しい段");
        values.SetHeight(30);
        values.SetWidth(64);
        project.AddColumn("A", 50);
    }
    std::vector<std::string> TopCaptions() {
        std::vector<std::string> captions;
        for (const auto& row : project.model.GetRows())
            captions.push_back(row->GetCaption());
        return captions;
    }

    ColumnTestProject project;
    CRow* r = nullptr;
    CRow* s = nullptr;
    CRow values;
};

TEST_F(PreviewRowTest, PlacedSelectedAndGoneAtTheNextRebuild) {
    project.Build();
    // The id the project hands out next, which the confirmed row will take.
    const std::int32_t next = project.Project().GetLastObjectId();
    CGuiRow* preview = project.model.InsertPreviewRow(values, CData::kNoObject, 1);
    ASSERT_NE(preview, nullptr);
    project.Layout();
    EXPECT_EQ(preview->GetObjectId(), next);
    EXPECT_EQ(TopCaptions(), (std::vector<std::string>{"R", "新しい段", "S"}));
    EXPECT_EQ(project.model.FindRow(s->GetObjectId())->GetIndex(), 2);
    EXPECT_EQ(preview->GetRect(), (GuiRect{0, 60, 200, 90}));
    EXPECT_EQ(project.model.FindRow(s->GetObjectId())->GetRect().top, 90);
    EXPECT_EQ(project.model.GetSelection(), (std::vector<std::uint32_t>{std::uint32_t(next)}));
    EXPECT_EQ(preview->GetCellTexts().size(), 1u);
    EXPECT_EQ(project.model.FindObject(next), preview);
    // The project itself never saw it.
    EXPECT_EQ(project.Project().GetRows().GetCount(), 2);
    EXPECT_EQ(project.Project().GetLastObjectId(), next);

    project.Build();
    EXPECT_EQ(TopCaptions(), (std::vector<std::string>{"R", "S"}));
    EXPECT_EQ(project.model.FindRow(next), nullptr);
    EXPECT_TRUE(project.model.GetSelection().empty());
    EXPECT_EQ(project.model.GetPreviewRow(), nullptr);
}

// Confirmed, the row takes the same id and stays selected after the rebuild.
TEST_F(PreviewRowTest, TheConfirmedRowKeepsTheSelection) {
    project.Build();
    const CGuiRow* preview = project.model.InsertPreviewRow(values, CData::kNoObject, 0);
    ASSERT_NE(preview, nullptr);
    const std::int32_t id = preview->GetObjectId();
    EXPECT_EQ(project.model.FindRow(id), preview);
    ASSERT_EQ(project.tree.Add("confirmed", 30).GetObjectId(), id);
    project.Build();
    EXPECT_TRUE(project.model.FindRow(id)->IsSelected());
    EXPECT_FALSE(project.model.FindRow(id)->IsPreview());
}

TEST_F(PreviewRowTest, PositionsAtTheEndAndUnderAParent) {
    project.Build();
    ASSERT_NE(project.model.InsertPreviewRow(values, CData::kNoObject, -1), nullptr);
    EXPECT_EQ(TopCaptions().back(), "新しい段");
    project.Build();
    CGuiRow* child = project.model.InsertPreviewRow(values, r->GetObjectId(), -1);
    ASSERT_NE(child, nullptr);
    project.Layout();
    EXPECT_EQ(child->GetParent(), project.model.FindRow(r->GetObjectId()));
    EXPECT_EQ(child->GetLevel(), 1);
    EXPECT_EQ(child->GetRect().top, 0);
    project.Build();
    EXPECT_EQ(project.model.InsertPreviewRow(values, 9999, 0), nullptr);
}

TEST_F(PreviewRowTest, DialogValuesAreDrawnAndLaidOutUntilDropped) {
    project.Build();
    CRow edited;
    edited.CopyFrom(*r);
    edited.SetHeight(25);
    edited.SetCaption("changed");
    edited.SetParamInt("_BackColor", 0xFFFFFF);
    project.model.PreviewRow(r->GetObjectId(), &edited);
    project.Layout();
    const CGuiRow& row = *project.model.FindRow(r->GetObjectId());
    EXPECT_EQ(row.GetCaption(), "changed");
    EXPECT_EQ(row.GetRect().bottom, 25);
    EXPECT_TRUE(row.IsPreview());
    project.model.PreviewRow(r->GetObjectId(), nullptr);
    project.Layout();
    EXPECT_EQ(row.GetCaption(), "R");
    EXPECT_EQ(row.GetRect().bottom, 60);
}

}  // namespace
}  // namespace qb
