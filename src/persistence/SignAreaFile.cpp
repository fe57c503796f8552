#include "SignAreaFile.h"

#include <xercesc/dom/DOM.hpp>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "ValueText.h"
#include "XmlFile.h"
#include "XmlMessages.h"
#include "XmlObjectMapping.h"
#include "XmlParser.h"
#include "XmlSerializer.h"

namespace qb {
namespace {

using namespace xercesc;

constexpr std::u16string_view kSignArea = u"SignArea";

std::vector<std::string_view> SplitAtTabs(std::string_view text) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    while (true) {
        const std::size_t tab = text.find('\t', start);
        parts.push_back(text.substr(start, tab == std::string_view::npos ? tab : tab - start));
        if (tab == std::string_view::npos)
            return parts;
        start = tab + 1;
    }
}

std::string JoinWithTabs(const std::vector<std::string>& parts, std::size_t count) {
    std::string out;
    for (std::size_t i = 0; i < count; ++i) {
        if (i > 0)
            out += '\t';
        out += parts[i];
    }
    return out;
}

}  // namespace

std::optional<std::string> SignAreaFile::ReadSignAreas(const std::string& path) {
    std::string bytes;
    if (!XmlFile::Read(path, bytes, error_, XmlMessages::kSignAreasNotWellFormed))
        return std::nullopt;
    return ParseSignAreas(bytes);
}

std::optional<std::string> SignAreaFile::ParseSignAreas(std::string_view bytes) {
    return XmlParser::ParseRoot<std::optional<std::string>>(
        bytes, u"SignAreas", error_, XmlMessages::kSignAreasNotWellFormed,
        [this](const DOMElement& root) { return Interpret(root); });
}

// One empty slot per child node of the root; an order inside the slots fills
// its slot, an order beyond them is appended. The result runs from the first
// slot to the highest one filled.
std::optional<std::string> SignAreaFile::Interpret(const DOMElement& root) {
    std::vector<std::string> areas(root.getChildNodes()->getLength());
    std::size_t filled = 0;  // one past the highest filled slot
    for (const DOMElement* child = root.getFirstElementChild(); child;
         child = child->getNextElementSibling()) {
        if (std::u16string_view(child->getTagName()) != kSignArea)
            continue;
        const DOMAttr* order = child->getAttributeNode(u"order");
        const DOMAttr* value = child->getAttributeNode(u"value");
        if (!order || !value)
            continue;
        const std::int64_t position =
            std::int64_t{ValueText::Atoi(text_.ToUtf8(order->getValue()))} - 1;
        if (position < 0)
            continue;
        std::string area = XmlObjectMapping::Unescape(text_.ToUtf8(value->getValue()));
        std::size_t slot = static_cast<std::size_t>(position);
        if (slot < areas.size()) {
            areas[slot] = std::move(area);
        } else {
            slot = areas.size();
            areas.push_back(std::move(area));
        }
        filled = std::max(filled, slot + 1);
    }
    if (filled == 0) {
        error_.Set(ErrorSlot::kXmlError, XmlMessages::kNoSignArea);
        return std::nullopt;
    }
    return JoinWithTabs(areas, filled);
}

bool SignAreaFile::WriteSignAreas(const std::string& path, std::string_view areas) {
    std::string bytes;
    if (!FormatSignAreas(areas, bytes))
        return false;
    return XmlFile::Write(path, bytes, error_);
}

bool SignAreaFile::FormatSignAreas(std::string_view areas, std::string& bytes) {
    return XmlSerializer::Format(bytes, error_, [&](DOMDocument& document) {
        DOMElement* root = document.createElement(u"SignAreas");
        document.appendChild(root);
        int order = 0;
        for (std::string_view area : SplitAtTabs(areas)) {
            DOMElement* element = document.createElement(kSignArea.data());
            element->setAttribute(u"order", text_.ToXml(ValueText::FromInt(++order)).c_str());
            element->setAttribute(u"value", text_.ToXml(XmlObjectMapping::Escape(area)).c_str());
            root->appendChild(element);
        }
    });
}

}  // namespace qb
