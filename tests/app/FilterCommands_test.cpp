#include "FilterCommands.h"

#include <optional>
#include <string>
#include <vector>

#include "CFilter.h"
#include "RowsWindow.h"

namespace qb {
namespace {

using Strings = std::vector<std::string>;

class FilterCommandsTest : public test::RowsTest {
protected:
    void Answer(std::optional<Strings> values) {
        dialogs_.filters.push_back([values](const FilterRequest&) { return values; });
    }
    bool Visible(std::int32_t row) { return Model().FindRow(row)->IsVisible(); }
};

TEST_F(FilterCommandsTest, TheColumnDialogOffersItsTextsAndKeepsTheConditionsValues) {
    Model().SetCurrentColumn(0);
    EXPECT_FALSE(Enabled(cmd::kFilterColumnClear));
    Answer(Strings{"鈴木"});
    ASSERT_TRUE(Handler().Execute(cmd::kFilterColumn));
    EXPECT_EQ(dialogs_.shownFilter->target, "担当");
    EXPECT_EQ(dialogs_.shownFilter->candidates, (Strings{"", "田中", "鈴木"}));
    EXPECT_TRUE(dialogs_.shownFilter->chosen.empty());
    EXPECT_TRUE(Visible(b_));
    EXPECT_FALSE(Visible(c_));
    EXPECT_TRUE(Enabled(cmd::kFilterColumnClear));
    EXPECT_TRUE(Enabled(cmd::kFilterClear));

    // The condition's values come back chosen; cancel keeps them.
    EXPECT_FALSE(Handler().Execute(cmd::kFilterColumn));
    EXPECT_EQ(dialogs_.shownFilter->chosen, Strings{"鈴木"});
    EXPECT_EQ(Model().Filters().Values(text_), Strings{"鈴木"});

    // "(設定なし)" in every list removes the condition.
    Answer(Strings{});
    ASSERT_TRUE(Handler().Execute(cmd::kFilterColumn));
    EXPECT_FALSE(Model().Filters().Has(text_));
    EXPECT_TRUE(Visible(c_));
}

TEST_F(FilterCommandsTest, ConditionsCombineAndEachClearCommandTakesItsOwn) {
    status_->SetEditMode(CStatus::kMemoInputMode);
    Select({text_});
    Answer(Strings{"鈴木", "x", "y", "z", "w"});
    ASSERT_TRUE(Handler().Execute(cmd::kFilterColumn));
    EXPECT_EQ(status_->GetEditMode(), CStatus::kNormalMode);
    EXPECT_EQ(Model().Filters().Values(text_).size(), 4u);
    EXPECT_FALSE(Enabled(cmd::kFilterRowClear));
    Answer(Strings{"C"});
    ASSERT_TRUE(Handler().Execute(cmd::kFilterRow));
    EXPECT_EQ(dialogs_.shownFilter->target, "段のテキスト");
    // B passes the column, C the captions: nothing passes both.
    EXPECT_FALSE(Visible(b_));
    EXPECT_FALSE(Visible(c_));

    ASSERT_TRUE(Handler().Execute(cmd::kFilterColumnClear));
    EXPECT_TRUE(Visible(c_));
    EXPECT_FALSE(Visible(b_));
    ASSERT_TRUE(Handler().Execute(cmd::kFilterRowClear));
    EXPECT_TRUE(Visible(b_));
    EXPECT_FALSE(Enabled(cmd::kFilterClear));

    Answer(Strings{"A1"});
    ASSERT_TRUE(Handler().Execute(cmd::kFilterRow));
    ASSERT_TRUE(Handler().Execute(cmd::kFilterClear));
    EXPECT_TRUE(Model().Filters().Empty());
    EXPECT_TRUE(Visible(c_));
}

}  // namespace
}  // namespace qb
