#include "StyleFile.h"

#include <gtest/gtest.h>

#include "TestFolder.h"
#include "XmlMessages.h"

namespace qb {
namespace {

std::unique_ptr<CScheduleStyle> Style(int id, ColorRef colour) {
    auto style = std::make_unique<CScheduleStyle>(id);
    style->SetBgColor(colour);
    return style;
}

class StyleFileTest : public ::testing::Test {
protected:
    TestFolder folder_;
    std::string path_ = folder_.File("styles.xml");
    StyleFile file_;
};

// Deleted styles are not written, the others with the array's params.
TEST_F(StyleFileTest, LiveStylesRoundTripThroughAFile) {
    CStyleData styles(1);
    styles.GetStyles().SetParam("order", "2,1");
    styles.GetStyles().Add(Style(2, 0x0000FF));
    auto gone = Style(5, 1);
    gone->SetDeleted(true);
    styles.GetStyles().Add(std::move(gone));
    styles.GetStyles().Add(Style(3, 0x00FF00));
    ASSERT_TRUE(file_.WriteStyleFile(path_, styles));

    auto read = file_.ReadStyleFile(path_);
    ASSERT_NE(read, nullptr) << file_.GetError().GetMessage();
    EXPECT_EQ(read->GetObjectId(), 1);
    EXPECT_EQ(read->GetStyles().GetParam("order"), "2,1");
    ASSERT_EQ(read->GetStyles().GetCount(), 2);
    EXPECT_EQ(read->GetStyles().At(0)->GetObjectId(), 2);
    EXPECT_EQ(read->GetStyles().At(1)->GetBgColor(), 0x00FF00u);
}

TEST_F(StyleFileTest, OnlyStylesInsideTheArrayElementAreRead) {
    auto read = file_.ParseStyles(
        "<styledata><schedulestyle objectId=\"9\"/>"
        "<schedulestylearray><schedulestyle objectId=\"1\"/><row/></schedulestylearray>"
        "<schedulestylearray><schedulestyle objectId=\"2\"/></schedulestylearray></styledata>");
    ASSERT_NE(read, nullptr);
    ASSERT_EQ(read->GetStyles().GetCount(), 2);
    EXPECT_EQ(read->GetStyles().At(0)->GetObjectId(), 1);
    EXPECT_EQ(read->GetStyles().At(1)->GetObjectId(), 2);
}

TEST_F(StyleFileTest, EveryContentFailureHasItsMessage) {
    EXPECT_EQ(file_.ParseStyles("<styledata>"), nullptr);
    EXPECT_EQ(file_.GetError().GetCode(), ErrorSlot::kXmlError);
    EXPECT_EQ(file_.GetError().GetMessage(), XmlMessages::kNotWellFormed);
    EXPECT_EQ(file_.ParseStyles("<holidayarray/>"), nullptr);
    EXPECT_EQ(file_.GetError().GetMessage(), XmlMessages::kWrongRoot);
    TestFolder::Write(path_, "");
    EXPECT_EQ(file_.ReadStyleFile(path_), nullptr);
    EXPECT_EQ(file_.GetError().GetMessage(), XmlMessages::kNotWellFormed);
}

}  // namespace
}  // namespace qb
