#include "RowSearch.h"

#include <string>
#include <vector>

#include "RowsWindow.h"

namespace qb {
namespace {

class RowSearchTest : public test::RowsTest {
protected:
    RowSearchTest() : search_(*status_) {}
    std::int32_t Selected() { return Selection().size() == 1 ? Selection().front() : -1; }

    RowSearch search_;
};

TEST_F(RowSearchTest, FindsOnwardFromTheSelectionAndWrapsOnce) {
    const std::int32_t b2 = AddRow(Project().GetRows(), "b2");
    Show();
    struct Case {
        std::int32_t from;
        const char* text;
        bool matchCase;
        bool forward;
        std::int32_t found;
    };
    const std::vector<Case> cases = {
        {-1, "B", true, true, b_},   {b_, "B", true, true, b_},   // itself last
        {b_, "B", false, true, b2},  {b2, "b", false, true, b_},  // wraps
        {c_, "A", true, false, a1_}, {a_, "B", false, false, b2},
    };
    for (const Case& c : cases) {
        Select(c.from < 0 ? std::vector<std::int32_t>{} : std::vector<std::int32_t>{c.from});
        EXPECT_TRUE(search_.FindNext(c.text, c.matchCase, c.forward)) << c.text;
        EXPECT_EQ(Selected(), c.found) << c.text << " from " << c.from;
    }
    prompt_.Clear();
    EXPECT_FALSE(search_.FindNext("Z", false, true));
    EXPECT_EQ(prompt_.Shown().size(), 1u);
}

TEST_F(RowSearchTest, AFoundRowIsUnfoldedShownAndScrolledTo) {
    for (int i = 0; i < 40; ++i)
        AddRow(Project().FindRow(c_)->GetChildren(), "c" + std::to_string(i));
    Show();
    Model().SetFolded(a_, true);
    Model().SetFolded(c_, true);
    Scene().Relayout();
    EXPECT_FALSE(Model().FindRow(a1_)->IsVisible());
    ASSERT_TRUE(search_.FindNext("A1", true, true));
    EXPECT_FALSE(Model().IsFoldedId(a_));
    EXPECT_TRUE(Model().FindRow(a1_)->IsVisible());

    ASSERT_TRUE(search_.FindNext("c39", true, true));
    const CGuiRow& last = *Model().FindRow(Selected());
    EXPECT_EQ(last.GetCaption(), "c39");
    EXPECT_TRUE(last.IsVisible());
    EXPECT_GE(last.GetRect().top, Scene().GetTop());
    EXPECT_LE(last.GetRect().bottom, Scene().GetTop() + Scene().ChartHeight());

    Select({b_});
    ASSERT_TRUE(Handler().Execute(cmd::kHide));
    ASSERT_TRUE(search_.FindNext("B", true, true));
    EXPECT_FALSE(Model().FindRow(b_)->IsHidden());
    EXPECT_EQ(Selected(), b_);
}

}  // namespace
}  // namespace qb
