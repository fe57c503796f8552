#include "CurrentColourRules.h"

#include <gtest/gtest.h>

#include "ColourRuleChoice.h"
#include "Document.h"
#include "TestFolder.h"

namespace qb {
namespace {

class CurrentColourRulesTest : public ::testing::Test {
protected:
    void SetUp() override {
        TestFolder::Write(first_, "FF\tred\r\n");
        TestFolder::Write(second_, "FF00\tgreen\r\nFF0000\tblue\r\n");
    }
    void OpenWithKey(const std::string& key) {
        auto project = std::make_unique<CProject>();
        project->SetColorRuleKey(key);
        document_.Open(std::move(project), nullptr, {});
    }

    TestFolder folder_;
    const std::string first_ = folder_.File("first.crs");
    const std::string second_ = folder_.File("second.crs");
    Document document_;
    CurrentColourRules current_{document_};
};

TEST_F(CurrentColourRulesTest, FollowsTheOpenProjectAndItsKey) {
    EXPECT_TRUE(current_.Rules().IsEmpty());
    OpenWithKey("FILE:" + first_);
    ASSERT_EQ(current_.Rules().GetCount(), 1);

    document_.GetProject()->SetColorRuleKey("FILE:" + second_);
    document_.ContentChanged();
    EXPECT_EQ(current_.Rules().GetCount(), 2);

    OpenWithKey("FILE:" + folder_.File("missing.crs"));
    EXPECT_TRUE(current_.Rules().IsEmpty());
    OpenWithKey("FILE:" + second_);
    document_.Close();
    EXPECT_TRUE(current_.Rules().IsEmpty());
}

TEST_F(CurrentColourRulesTest, EditorChangesAreReadAgainWhenTheKeyNamesAFile) {
    OpenWithKey("FILE:" + first_);
    TestFolder::Write(first_, "1\ta\r\n2\tb\r\n3\tc\r\n");
    document_.ContentChanged();
    EXPECT_EQ(current_.Rules().GetCount(), 1) << "the same key is not read on every edit";
    current_.ReloadAfterEditor("/elsewhere.crs");
    EXPECT_EQ(current_.Rules().GetCount(), 3);
}

TEST_F(CurrentColourRulesTest, ShortKeyIsReadAgainOnlyForTheEditorsFile) {
    OpenWithKey("FILE:");
    TestFolder::Write(folder_.File("FILE:"), "1\ta\r\n");
    current_.ReloadAfterEditor("/elsewhere.crs");
    EXPECT_TRUE(current_.Rules().IsEmpty());
}

TEST(ColourRuleChoice, ListsRulesAfterTheGridItemAndPreselectsTheFirstOfTheColour) {
    CColorRuleArray rules;
    EXPECT_FALSE(ColourRuleChoice::ListsRules(true, rules));
    rules.Add({"a", 0xFF});
    rules.Add({"b", 0xFF00});
    rules.Add({"c", 0xFF});
    EXPECT_FALSE(ColourRuleChoice::ListsRules(false, rules));
    EXPECT_TRUE(ColourRuleChoice::ListsRules(true, rules));
    EXPECT_EQ(ColourRuleChoice::PreselectedItem(rules, 0xFF), 1);
    EXPECT_EQ(ColourRuleChoice::PreselectedItem(rules, 0xFF00), 2);
    EXPECT_EQ(ColourRuleChoice::PreselectedItem(rules, 0x123456), -1);
    EXPECT_EQ(ColourRuleChoice::ColourOfItem(rules, 0), std::nullopt);
    EXPECT_EQ(ColourRuleChoice::ColourOfItem(rules, 2), 0xFF00u);
    EXPECT_EQ(ColourRuleChoice::ColourOfItem(rules, 3), 0xFFu);
    EXPECT_EQ(ColourRuleChoice::ColourOfItem(rules, 4), std::nullopt);
}

}  // namespace
}  // namespace qb
