#include "SignAreaFile.h"

#include <gtest/gtest.h>

#include "SystemError.h"
#include "TestFolder.h"
#include "XmlMessages.h"

namespace qb {
namespace {

class SignAreaFileTest : public ::testing::Test {
protected:
    std::optional<std::string> Parse(const std::string& areas) {
        return file_.ParseSignAreas("<SignAreas>" + areas + "</SignAreas>");
    }

    TestFolder folder_;
    std::string path_ = folder_.File("signs.xml");
    SignAreaFile file_;
};

TEST_F(SignAreaFileTest, AreasRoundTripThroughAFile) {
    const std::string areas = "担当\t課長\r\n代理\t\t部長\\n";
    ASSERT_TRUE(file_.WriteSignAreas(path_, areas));
    EXPECT_EQ(file_.ReadSignAreas(path_), areas);
    const std::string bytes = TestFolder::Read(path_);
    EXPECT_NE(bytes.find("order=\"3\" value=\"\""), std::string::npos) << bytes;
    ASSERT_TRUE(file_.WriteSignAreas(path_, ""));
    EXPECT_EQ(file_.ReadSignAreas(path_), "") << "an empty text is one empty area";
}

// Areas go by their order attribute into as many slots as the root has child
// nodes; a gap is an empty area, an order beyond the slots comes after them.
TEST_F(SignAreaFileTest, AreasAreOrderedByTheirOrderAttribute) {
    const std::pair<std::string, std::string> cases[] = {
        {"<SignArea order=\"2\" value=\"b\"/><SignArea order=\"1\" value=\"a\"/>", "a\tb"},
        {"<SignArea order=\"1\" value=\"a\"/><SignArea order=\"3\" value=\"c\"/>", "a\t\tc"},
        {"\r\n  <SignArea order=\"1\" value=\"a\"/>\r\n  <SignArea order=\"3\" value=\"c\"/>\r\n",
         "a\t\tc"},
        {"<SignArea order=\"99\" value=\"z\"/><SignArea order=\"1\" value=\"a\"/>", "a\t\tz"},
        {"<SignArea order=\"2147483647\" value=\"z\"/>", "\tz"},
        // Unusable elements are ignored.
        {"<SignArea order=\"0\" value=\"zero\"/><SignArea order=\"-4\" value=\"n\"/>"
         "<SignArea value=\"no order\"/><SignArea order=\"1\"/>"
         "<Other order=\"1\" value=\"o\"/><SignArea order=\"2\" value=\"b\"/>",
         "\tb"},
    };
    for (const auto& [areas, text] : cases)
        EXPECT_EQ(Parse(areas), text) << areas;
}

TEST_F(SignAreaFileTest, EveryFailureHasItsMessage) {
    const std::pair<std::string, const char*> documents[] = {
        {"<SignAreas><SignArea order=\"0\" value=\"x\"/></SignAreas>", XmlMessages::kNoSignArea},
        {"<SignAreas></SignAreas>", XmlMessages::kNoSignArea},
        {"<SignAreas>", XmlMessages::kSignAreasNotWellFormed},
        {"<signareas/>", XmlMessages::kWrongRoot},
    };
    for (const auto& [document, message] : documents) {
        EXPECT_EQ(file_.ParseSignAreas(document), std::nullopt) << document;
        EXPECT_EQ(file_.GetError().GetCode(), ErrorSlot::kXmlError) << document;
        EXPECT_EQ(file_.GetError().GetMessage(), message) << document;
    }
    // A missing file is created empty, and then holds no document.
    EXPECT_EQ(file_.ReadSignAreas(path_), std::nullopt);
    EXPECT_EQ(file_.GetError().GetCode(), SystemError::kFileNotFound);
    EXPECT_EQ(file_.ReadSignAreas(path_), std::nullopt);
    EXPECT_EQ(file_.GetError().GetMessage(), XmlMessages::kSignAreasNotWellFormed);
    EXPECT_FALSE(file_.WriteSignAreas(path_, "a\x01"));
    EXPECT_EQ(file_.GetError().GetCode(), ErrorSlot::kOwnError);
    EXPECT_EQ(file_.GetError().GetMessage(), XmlMessages::kBuildFailed);
}

}  // namespace
}  // namespace qb
