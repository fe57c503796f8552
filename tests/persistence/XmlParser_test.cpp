#include "XmlParser.h"

#include <gtest/gtest.h>
#include <xercesc/dom/DOM.hpp>

#include "HolidayFile.h"
#include "TestFolder.h"
#include "XmlMessages.h"
#include "XmlPlatform.h"

namespace qb {
namespace {

// Documents from files may point anywhere; these tests put a secret beside
// them and check that no way of naming it brings its text into the result.
class XmlParserSecurityTest : public ::testing::Test {
protected:
    void SetUp() override {
        TestFolder::Write(secret_, "SECRET");
        TestFolder::Write(dtd_, "<!ATTLIST ymdholiday name CDATA \"SECRET\">\n");
    }

    static std::string Url(const std::string& path) { return "file://" + path; }

    // The names of the rules read from the document, or "refused".
    std::string ReadNames(const std::string& document) {
        auto holidays = file_.ParseHolidays(document);
        if (!holidays)
            return "refused";
        std::string names;
        holidays->ForEach([&](const CHoliday& rule) { names += rule.GetName() + ";"; });
        return names;
    }

    XmlPlatform platform_;
    HolidayFile file_;
    TestFolder folder_;
    std::string secret_ = folder_.File("secret.txt");
    std::string dtd_ = folder_.File("defaults.dtd");
};

// An external entity, an external parameter entity and an external DTD
// (which would give the rule the secret as its default name).
TEST_F(XmlParserSecurityTest, NothingExternalIsEverRead) {
    const std::string documents[] = {
        "<?xml version=\"1.0\"?>\n<!DOCTYPE holidayarray [<!ENTITY leak SYSTEM \"" + Url(secret_) +
            "\">]>\n<holidayarray><ymdholiday name=\"x\">&leak;</ymdholiday>"
            "<mdholiday name=\"&#65;\"/></holidayarray>",
        "<!DOCTYPE holidayarray [<!ENTITY % p SYSTEM \"" + Url(dtd_) +
            "\"> %p;]><holidayarray><ymdholiday/></holidayarray>",
        "<!DOCTYPE holidayarray SYSTEM \"" + Url(dtd_) +
            "\"><holidayarray><ymdholiday/></holidayarray>",
    };
    for (const std::string& document : documents)
        EXPECT_EQ(ReadNames(document).find("SECRET"), std::string::npos) << document;
    EXPECT_EQ(ReadNames(documents[2]), ";");
}

TEST_F(XmlParserSecurityTest, EntityExpansionIsBounded) {
    std::string document = "<!DOCTYPE holidayarray [<!ENTITY a0 \"lol\">";
    for (int i = 1; i < 10; ++i) {
        document += "<!ENTITY a" + std::to_string(i) + " \"";
        for (int j = 0; j < 10; ++j)
            document += "&a" + std::to_string(i - 1) + ";";
        document += "\">";
    }
    document += "]><holidayarray><ymdholiday name=\"&a9;\"/></holidayarray>";
    EXPECT_EQ(ReadNames(document), "refused");
    EXPECT_EQ(file_.GetError().GetMessage(), XmlMessages::kNotWellFormed);
    EXPECT_EQ(ReadNames("<!DOCTYPE holidayarray [<!ENTITY day \"元日\">]>"
                        "<holidayarray><ymdholiday name=\"&day;\"/></holidayarray>"),
              "元日;")
        << "internal entities within the limit still work";
}

TEST_F(XmlParserSecurityTest, DeepNestingAndManyAttributesAreRead) {
    const int depth = 100000;
    std::string document = "<holidayarray>";
    for (int i = 0; i < depth; ++i)
        document += "<x>";
    for (int i = 0; i < depth; ++i)
        document += "</x>";
    document += "<ymdholiday name=\"after\"/><ymdholiday name=\"many\"";
    for (int i = 0; i < 2000; ++i)
        document += " a" + std::to_string(i) + "=\"" + std::to_string(i) + "\"";
    document += "/></holidayarray>";
    EXPECT_EQ(ReadNames(document), "after;many;");
}

class XmlParserTest : public ::testing::Test {
protected:
    XmlPlatform platform_;
};

TEST_F(XmlParserTest, MalformedBytesGiveNoDocument) {
    for (const char* bytes : {"", "<a>", "<a></b>", "not xml", "<a x=\"1\" x=\"2\"/>",
                              "<a>&undefined;</a>", "<a/><b/>", "\xff\xfe<"}) {
        EXPECT_EQ(XmlParser::Parse(bytes), nullptr) << bytes;
    }
}

TEST_F(XmlParserTest, FindRootNamesTheProblem) {
    XmlDocumentPtr document = XmlParser::Parse("<styledata/>");
    ASSERT_NE(document, nullptr);
    ErrorSlot error;
    EXPECT_NE(XmlParser::FindRoot(*document, u"styledata", error), nullptr);
    EXPECT_FALSE(error.Failed());
    EXPECT_EQ(XmlParser::FindRoot(*document, u"holidayarray", error), nullptr);
    EXPECT_EQ(error.GetCode(), ErrorSlot::kXmlError);
    EXPECT_EQ(error.GetMessage(), XmlMessages::kWrongRoot);

    document->removeChild(document->getDocumentElement())->release();
    EXPECT_EQ(XmlParser::FindRoot(*document, u"styledata", error), nullptr);
    EXPECT_EQ(error.GetMessage(), XmlMessages::kNoRoot);
}

}  // namespace
}  // namespace qb
