#include "XmlObjectMapping.h"

#include <gtest/gtest.h>
#include <xercesc/dom/DOM.hpp>

#include "CHolidayArray.h"
#include "CMemo.h"
#include "CSchedule.h"
#include "CYmdHoliday.h"
#include "XmlPlatform.h"
#include "XmlSerializer.h"

namespace qb {
namespace {

using xercesc::DOMElement;

TEST(XmlEscape, LineBreaksAndBackslashesHaveTheirEscapes) {
    // CR LF and a lone LF are written as \n, a lone CR stays, a backslash doubles.
    const std::pair<std::string, std::string> cases[] = {
        {"a\r\nb", "a\\nb"},
        {"a\nb\rc\r\r\n", "a\\nb\rc\r\\n"},
        {"C:\\new\\\\net\r\nend\\", "C:\\\\new\\\\\\\\net\\nend\\\\"},
    };
    for (const auto& [text, escaped] : cases)
        EXPECT_EQ(XmlObjectMapping::Escape(text), escaped) << escaped;
    // Foreign text: a backslash before anything else stays; three backslashes
    // and n are an escaped backslash followed by a line break.
    const std::pair<std::string, std::string> foreign[] = {
        {"a\\nb", "a\r\nb"}, {"\\x", "\\x"}, {"\\\\\\n", "\\\r\n"},
        {"\\\\n", "\\n"},    {"\\", "\\"},   {"", ""},
    };
    for (const auto& [escaped, text] : foreign)
        EXPECT_EQ(XmlObjectMapping::Unescape(escaped), text) << escaped;
}

TEST(XmlEscape, RoundTripsEveryShortMixOfSpecialCharacters) {
    const char pieces[] = {'\\', 'n', '\r', '\n', 'a'};
    // Every text of four pieces, in all orders.
    for (int code = 0; code < 5 * 5 * 5 * 5; ++code) {
        std::string text;
        for (int c = code, i = 0; i < 4; ++i, c /= 5)
            text += pieces[c % 5];
        // A lone LF reads back as CR LF; that is the format's rule.
        std::string normalised;
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r'))
                normalised += '\r';
            normalised += text[i];
        }
        EXPECT_EQ(XmlObjectMapping::Unescape(XmlObjectMapping::Escape(text)), normalised)
            << "code " << code;
    }
}

class XmlObjectMappingTest : public ::testing::Test {
protected:
    XmlPlatform platform_;
    XmlObjectMapping mapping_;
    XmlDocumentPtr document_ = XmlSerializer::NewDocument();

    std::string Attribute(const DOMElement& element, const char16_t* name) const {
        return mapping_.Text().ToUtf8(element.getAttribute(name));
    }
    bool HasAttribute(const DOMElement& element, const char16_t* name) const {
        return element.getAttributeNode(name) != nullptr;
    }
};

// Written: the tag word as name, empty properties left out, params as
// leading children with escaped values. Read back: fields and params; a
// missing attribute loads the type's default, not the constructor's value.
TEST_F(XmlObjectMappingTest, ObjectsBecomeElementsAndComeBack) {
    CMemo memo(12);
    memo.SetText("line 1\r\nline \\n 2");
    memo.SetLastModified(COleDateTime(2024, 3, 1, 9, 30, 0));
    memo.SetParam("_Indent", "2");
    memo.SetParam("note", "x\ny");
    memo.SetParam("empty", "");
    DOMElement* element = mapping_.ObjectToElement(memo, *document_);
    EXPECT_EQ(mapping_.Text().ToUtf8(element->getTagName()), "memo");
    EXPECT_EQ(Attribute(*element, u"objectId"), "12");
    EXPECT_EQ(Attribute(*element, u"deleted"), "false");
    EXPECT_EQ(Attribute(*element, u"text"), "line 1\\nline \\\\n 2");
    EXPECT_FALSE(HasAttribute(*element, u"registrant"));
    ASSERT_EQ(element->getChildElementCount(), 3u);
    const DOMElement* first = element->getFirstElementChild();
    EXPECT_EQ(mapping_.Text().ToUtf8(first->getTagName()), "param");
    EXPECT_EQ(Attribute(*first, u"name"), "_Indent");
    EXPECT_EQ(Attribute(*first->getNextElementSibling(), u"value"), "x\\ny");
    EXPECT_TRUE(HasAttribute(*first->getNextElementSibling()->getNextElementSibling(), u"value"));

    CMemo read;
    read.SetRegistrant("before");
    mapping_.ElementToObject(*element, read);
    EXPECT_EQ(read.GetObjectId(), 12);
    EXPECT_EQ(read.GetText(), memo.GetText());
    EXPECT_EQ(read.GetRegistrant(), "");
    EXPECT_TRUE(ValueText::Same(read.GetLastModified(), memo.GetLastModified()));
    EXPECT_EQ(read.GetParam("note"), "x\r\ny");
    EXPECT_EQ(read.GetYRowId(), -1) << "written, so read";
    DOMElement* bare = document_->createElement(u"memo");
    bare->setAttribute(u"objectId", u"3");
    CMemo fresh;
    mapping_.ElementToObject(*bare, fresh);
    EXPECT_EQ(fresh.GetYRowId(), 0);  // the constructor gives -1, a missing property 0
}

TEST_F(XmlObjectMappingTest, ParamChildWithoutNameOrValueIsIgnored) {
    DOMElement* element = document_->createElement(u"schedule");
    for (const char16_t* attribute : {u"name", u"value"}) {
        DOMElement* param = document_->createElement(u"param");
        param->setAttribute(attribute, u"x");
        element->appendChild(param);
    }
    DOMElement* nested = document_->createElement(u"other");
    DOMElement* deep = document_->createElement(u"param");
    deep->setAttribute(u"name", u"deep");
    deep->setAttribute(u"value", u"1");
    nested->appendChild(deep);
    element->appendChild(nested);
    CSchedule schedule;
    mapping_.ElementToObject(*element, schedule);
    EXPECT_EQ(schedule.ParamMapOrNull(), nullptr);
}

TEST_F(XmlObjectMappingTest, ForeignPropertyNamesThatCannotBeAttributesAreLeftOut) {
    CSchedule schedule;
    schedule.SetProperty("two words", "x", false);
    schedule.SetProperty("ns:name", "x", false);
    schedule.SetProperty("xmlns", "x", false);
    schedule.SetProperty("_custom", "kept", false);
    DOMElement* element = mapping_.ObjectToElement(schedule, *document_);
    EXPECT_EQ(Attribute(*element, u"_custom"), "kept");
    EXPECT_FALSE(HasAttribute(*element, u"xmlns"));
    std::string bytes;
    EXPECT_TRUE(XmlSerializer::Serialize(*document_, bytes));
}

TEST_F(XmlObjectMappingTest, TextThatIsNotUtf8IsRefused) {
    CSchedule schedule;
    schedule.SetCaption("\xff\xfe");
    EXPECT_ANY_THROW(mapping_.ObjectToElement(schedule, *document_));
}

}  // namespace
}  // namespace qb
