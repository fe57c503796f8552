#include "CFilters.h"

#include <gtest/gtest.h>

#include "CGuiRow.h"
#include "ColumnTestProject.h"

namespace qb {
namespace {

using Texts = std::vector<std::string>;

// P over P1 and P2, then Q and S (no caption). Column A holds texts with a
// line break and empty ones, column B numbers.
class FilterTest : public ::testing::Test {
protected:
    FilterTest() {
        a = &project.AddColumn("A", 40);
        b = &project.AddColumn("B", 40);
        CRow& p = project.tree.Add("P", 30);
        CRow& p1 = project.tree.Child(p, "P1", 20);
        CRow& p2 = project.tree.Child(p, "P2", 20);
        CRow& q = project.tree.Add("Q", 20);
        CRow& s = project.tree.Add("", 20);
        rows = {&p, &p1, &p2, &q, &s};
        const char* textsA[] = {"", "x", "y\r\nz", "", "x"};
        const char* textsB[] = {"", "1", "2", "1", "2"};
        for (std::size_t i = 0; i < rows.size(); ++i) {
            ColumnTestProject::SetCell(*rows[i], *a, textsA[i]);
            ColumnTestProject::SetCell(*rows[i], *b, textsB[i]);
        }
    }
    void Filter(const CColumn* column, Texts values) {
        project.model.Filters().Set(column ? column->GetObjectId() : CFilter::kCaptions,
                                    std::move(values));
        project.model.ApplyFilters();
        project.Layout();
    }
    // The captions of the rows shown, P1 and P2 for instance; "-" for S.
    std::string Shown() {
        std::string shown;
        for (const CRow* row : rows) {
            const CGuiRow& gui = *project.model.FindRow(row->GetObjectId());
            if (gui.IsVisible())
                shown += (row->GetCaption().empty() ? "-" : row->GetCaption()) + " ";
        }
        return shown;
    }

    ColumnTestProject project;
    CColumn* a = nullptr;
    CColumn* b = nullptr;
    std::vector<CRow*> rows;
};

TEST_F(FilterTest, CandidatesInTreeOrderEachOnce) {
    project.Build();
    const DisplayTree& tree = project.model.Tree();
    EXPECT_EQ(CFilters::Candidates(tree, a->GetObjectId()), (Texts{"", "x", "yz"}));
    EXPECT_EQ(CFilters::Candidates(tree, b->GetObjectId()), (Texts{"", "1", "2"}));
    // Box mode leaves the parent's caption out; no mode offers an empty one.
    EXPECT_EQ(CFilters::Candidates(tree, CFilter::kCaptions), (Texts{"P1", "P2", "Q"}));
    project.Project().SetParamInt("_Indent", 10);
    project.Build();
    EXPECT_EQ(CFilters::Candidates(project.model.Tree(), CFilter::kCaptions),
              (Texts{"P", "P1", "P2", "Q"}));
    EXPECT_EQ(CFilters::Candidates(project.model.Tree(), 9999), Texts{});
}

TEST_F(FilterTest, ConditionsCombineAndTextsMatchWithoutLineBreaks) {
    project.Build();
    EXPECT_EQ(Shown(), "P P1 P2 Q - ");
    Filter(a, {"x", "yz"});
    EXPECT_EQ(Shown(), "P P1 P2 - ");
    Filter(b, {"1"});
    EXPECT_EQ(Shown(), "P P1 ");
    Filter(nullptr, {"Q", "P2"});
    EXPECT_EQ(Shown(), "");
    // Conditions hold across a rebuild.
    project.Build();
    EXPECT_EQ(Shown(), "");
    EXPECT_TRUE(project.model.IsFilterOnCaptions());
}

TEST_F(FilterTest, NoMatchHidesEveryLeafAndTheirBoxes) {
    project.Build();
    Filter(a, {"nothing"});
    EXPECT_EQ(Shown(), "");
    EXPECT_EQ(project.model.TotalHeight(), 0);
    EXPECT_TRUE(project.model.GetLineRows().empty());
    EXPECT_EQ(project.model.RowAt(0), nullptr);
}

TEST_F(FilterTest, TheEmptyTextIsAValue) {
    project.Build();
    Filter(a, {""});
    EXPECT_EQ(Shown(), "Q ");
}

TEST_F(FilterTest, AConditionOnAColumnThatIsGoneIsSkipped) {
    project.Build();
    Filter(a, {"x"});
    a->SetDeleted(true);
    project.Build();
    EXPECT_EQ(Shown(), "P P1 P2 Q - ");
    EXPECT_TRUE(project.model.Filters().Has(a->GetObjectId()));
}

TEST(FilterListTest, ANewConditionReplacesTheOldAtTheEnd) {
    CFilters filters;
    filters.Set(1, {"a"});
    filters.Set(2, {"b"});
    filters.Set(1, {"c", "d"});
    ASSERT_EQ(filters.All().size(), 2u);
    EXPECT_EQ(filters.All()[0].columnId, 2);
    EXPECT_EQ(filters.All()[1].values, (Texts{"c", "d"}));
    filters.Set(2, {});
    EXPECT_FALSE(filters.Has(2));
    EXPECT_EQ(filters.Values(1), (Texts{"c", "d"}));
    EXPECT_EQ(CFilters::WithoutLineBreaks("a\r\nb\r\n\r\nc\rd\n"), "abc\rd\n");
}

}  // namespace
}  // namespace qb
