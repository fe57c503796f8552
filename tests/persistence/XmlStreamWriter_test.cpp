#include "XmlStreamWriter.h"

#include <gtest/gtest.h>
#include <xercesc/dom/DOM.hpp>

#include <cstdint>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "XmlPlatform.h"
#include "XmlSerializer.h"
#include "XmlText.h"

namespace qb {
namespace {

// A small tree of elements with attributes, written once by the stream
// writer and once through the library's document and serializer.
struct Node {
    std::string name;
    std::vector<std::pair<std::string, std::string>> attributes;
    std::vector<Node> children;
};

void Stream(const Node& node, XmlStreamWriter& writer) {
    writer.StartElement(node.name);
    for (const auto& [name, value] : node.attributes)
        writer.Attribute(name, value);
    for (const Node& child : node.children)
        Stream(child, writer);
    writer.EndElement();
}

// The document's bytes, or "refused".
std::string Streamed(const Node& root) {
    std::string bytes;
    XmlStreamWriter writer([&](std::string_view piece) {
        bytes.append(piece);
        return true;
    });
    Stream(root, writer);
    return writer.Finish() ? bytes : "refused";
}

class XmlStreamWriterTest : public ::testing::Test {
protected:
    // What the library makes of the same tree, or "refused" when it does not
    // take a value or will not serialise it.
    std::string Library(const Node& root) {
        try {
            XmlDocumentPtr document = XmlSerializer::NewDocument();
            document->appendChild(Build(root, *document));
            std::string bytes;
            return XmlSerializer::Serialize(*document, bytes) ? bytes : "refused";
        } catch (...) {
            return "refused";
        }
    }

    xercesc::DOMElement* Build(const Node& node, xercesc::DOMDocument& document) {
        xercesc::DOMElement* element = document.createElement(text_.ToXml(node.name).c_str());
        for (const auto& [name, value] : node.attributes)
            element->setAttribute(text_.ToXml(name).c_str(), text_.ToXml(value).c_str());
        for (const Node& child : node.children)
            element->appendChild(Build(child, document));
        return element;
    }

    std::string Utf8(char32_t c) const {
        std::u16string wide;
        if (c < 0x10000) {
            wide += static_cast<char16_t>(c);
        } else {
            wide += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
            wide += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
        }
        return text_.ToUtf8(wide.c_str());
    }

    XmlPlatform platform_;
    XmlText text_;
};

// Each ASCII character and each of the first non-ASCII ones on its own, so
// that one refused character cannot hide another; then every other
// character of the 16-bit range and a sample beyond it in one document.
TEST_F(XmlStreamWriterTest, EveryCharacterIsEscapedOrRefusedAsTheLibraryDoes) {
    std::vector<char32_t> alone;
    for (char32_t c = 1; c < 0x100; ++c)
        alone.push_back(c);
    for (char32_t c : {0xD7FFu, 0xE000u, 0xFEFFu, 0xFFFDu, 0xFFFEu, 0xFFFFu, 0x10FFFFu})
        alone.push_back(c);
    for (char32_t c : alone) {
        const Node root{"r", {{"a", "x" + Utf8(c) + "y"}, {"b", Utf8(c)}}, {}};
        EXPECT_EQ(Streamed(root), Library(root)) << std::hex << static_cast<std::uint32_t>(c);
    }
    Node all{"r", {}, {}};
    for (char32_t c = 0x100; c < 0xFFFE; c += (c == 0xD7FF ? 0x801 : 1))
        all.children.push_back({"c", {{"v", Utf8(c)}}, {}});
    for (char32_t c = 0x10000; c <= 0x10FFFF; c += 0x1234)
        all.children.push_back({"c", {{"v", "\t" + Utf8(c) + "&"}}, {}});
    const std::string streamed = Streamed(all);
    EXPECT_NE(streamed, "refused");
    EXPECT_TRUE(streamed == Library(all));  // several MiB: no diff print
}

// The library reads values as UTF-8 and takes only the shortest forms, no
// surrogates and nothing beyond U+10FFFF; a value ends at its first NUL,
// but what follows it must still be UTF-8.
TEST_F(XmlStreamWriterTest, ValuesThatAreNotUtf8AreRefusedAndNulEndsAValue) {
    const std::string cases[] = {
        "\xC0\x80",
        "\xC1\xBF",
        "\xC2\x80",
        "\xE0\x80\x80",
        "\xE0\x9F\xBF",
        "\xE0\xA0\x80",
        "\xED\x9F\xBF",
        "\xED\xA0\x80",
        "\xED\xBF\xBF",
        "\xEE\x80\x80",
        "\xEF\xBF\xBD",
        "\xF0\x8F\xBF\xBF",
        "\xF0\x90\x80\x80",
        "\xF4\x8F\xBF\xBF",
        "\xF4\x90\x80\x80",
        "\xF5\x80\x80\x80",
        "\xF8\x88\x80\x80\x80",
        "\xFE",
        "\xFF",
        "\x80",
        "a\xC3",
        "a\xE3\x81",
        "\xE3\x81"
        "b",
        "\xC3"
        "a",
        "\xF0\x9F\x98",
        "\xF0\x9F\x98\x80\x80",
        std::string("a\0b", 3),
        std::string("a\0\x1b", 3),
        std::string("a\0\xFF", 3),
        std::string("\0", 1),
        std::string("a\0\xE3\x81\x82", 5),
    };
    for (const std::string& value : cases) {
        const Node root{"r", {{"v", value}}, {}};
        std::string hex;
        for (unsigned char c : value)
            hex += std::to_string(c) + " ";
        EXPECT_EQ(Streamed(root), Library(root)) << hex;
    }
    EXPECT_EQ(Streamed({"r", {{"v", std::string("a\0b", 3)}}, {}}),
              "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\" ?>\r\n<r v=\"a\"/>\r\n");
}

// Random trees: nesting, empty elements, attribute order (upper case
// before lower, a prefix before its extensions, Japanese names last) and a
// name given twice, whose second value wins.
TEST_F(XmlStreamWriterTest, RandomTreesAreLaidOutAsTheLibraryLaysThemOut) {
    const std::vector<std::string> names = {"a",  "ab",  "aB",  "B",        "b",
                                            "_x", "x.y", "x-y", "日本",     "日",
                                            "ｱｲ", "z9",  "Zz",  "objectId", "caption"};
    const std::vector<std::string> values = {"",     "plain", "a\"b'c", "<&>",      "\t\r\n",
                                             "改行", "😀",     "]]>",    "\xC2\x85", "&amp;"};
    std::mt19937 random(17);
    const auto pick = [&](const std::vector<std::string>& from) {
        return from[random() % from.size()];
    };
    std::function<Node(int)> grow = [&](int depth) {
        Node node{pick(names), {}, {}};
        for (int i = random() % 6; i > 0; --i)
            node.attributes.emplace_back(pick(names), pick(values));
        if (depth < 30) {
            for (int i = random() % (depth < 3 ? 4 : 2); i > 0; --i)
                node.children.push_back(grow(depth + 1));
        }
        return node;
    };
    for (int tree = 0; tree < 40; ++tree) {
        const Node root = grow(0);
        EXPECT_EQ(Streamed(root), Library(root)) << "tree " << tree;
    }
}

// The bytes reach the sink in pieces while the document is written, not at
// the end, and the first refusal of the sink ends the writing.
TEST_F(XmlStreamWriterTest, WritesInPiecesAndStopsWhenTheSinkFails) {
    std::vector<std::size_t> pieces;
    std::string whole;
    XmlStreamWriter writer([&](std::string_view piece) {
        pieces.push_back(piece.size());
        whole.append(piece);
        return true;
    });
    const std::string value(1000, 'v');
    writer.StartElement("root");
    for (int i = 0; i < 2000; ++i) {
        writer.StartElement("e");
        writer.Attribute("v", value);
        writer.EndElement();
        // Each element is one line of 1013 bytes; no more than a piece waits.
        const std::size_t produced = (i + 1) * 1013u;
        ASSERT_LE(produced, whole.size() + XmlStreamWriter::kChunkSize + 2048) << i;
    }
    writer.EndElement();
    ASSERT_TRUE(writer.Finish());
    EXPECT_GT(pieces.size(), 4u);
    for (std::size_t size : pieces)
        EXPECT_LE(size, XmlStreamWriter::kChunkSize + 2048);
    EXPECT_EQ(whole.size(), whole.find("</root>\r\n") + 9);

    int calls = 0;
    XmlStreamWriter failing([&](std::string_view) { return ++calls > 1; });
    failing.StartElement("root");
    for (int i = 0; i < 2000; ++i) {
        failing.StartElement("e");
        failing.Attribute("v", value);
        failing.EndElement();
    }
    failing.EndElement();
    EXPECT_FALSE(failing.Finish());
    EXPECT_TRUE(failing.SinkFailed());
    EXPECT_FALSE(failing.TextRefused());
    EXPECT_EQ(calls, 1);
}

TEST_F(XmlStreamWriterTest, ADocumentLeftOpenOrWithoutRootIsNotWhole) {
    XmlStreamWriter none([](std::string_view) { return true; });
    EXPECT_FALSE(none.Finish());
    XmlStreamWriter open([](std::string_view) { return true; });
    open.StartElement("root");
    open.StartElement("child");
    open.EndElement();
    EXPECT_FALSE(open.Finish());
}

}  // namespace
}  // namespace qb
