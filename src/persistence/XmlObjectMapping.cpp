#include "XmlObjectMapping.h"

#include <xercesc/dom/DOM.hpp>
#include <xercesc/util/XMLChar.hpp>

#include <algorithm>

#include "CDataFactory.h"
#include "CTypeRegistry.h"
#include "XmlStreamWriter.h"

namespace qb {
namespace {

using namespace xercesc;

constexpr std::u16string_view kParam = u"param";
constexpr std::string_view kParamTag = "param";

// Attribute names the writer can put into a document and the reader gets back
// unchanged: plain names without a namespace prefix. Properties the program
// defines all qualify; a foreign name (from object text) may not.
bool IsPlainName(const std::u16string& name) {
    if (name.empty() || !XMLChar1_0::isValidNCName(name.c_str(), name.size()))
        return false;
    return name.compare(0, 5, u"xmlns") != 0;
}

bool NeedsEscape(std::string_view text) {
    return std::any_of(text.begin(), text.end(), [](char c) { return c == '\\' || c == '\n'; });
}

}  // namespace

std::string XmlObjectMapping::Escape(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\\') {
            out += "\\\\";
        } else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            out += "\\n";
            ++i;
        } else if (c == '\n') {
            out += "\\n";
        } else {
            out += c;
        }
    }
    return out;
}

std::string XmlObjectMapping::Unescape(std::string_view text) {
    // First pass: each backslash-n that is not the second half of a doubled
    // backslash becomes CR LF. Second pass: doubled backslashes become one.
    std::string lines;
    lines.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size()) {
            if (text[i + 1] == 'n') {
                lines += "\r\n";
                ++i;
                continue;
            }
            if (text[i + 1] == '\\') {
                lines += "\\\\";
                ++i;
                continue;
            }
        }
        lines += text[i];
    }
    std::string out;
    out.reserve(lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        out += lines[i];
        if (lines[i] == '\\' && i + 1 < lines.size() && lines[i + 1] == '\\')
            ++i;
    }
    return out;
}

std::unique_ptr<CData> XmlObjectMapping::CreateObjectFromTag(std::string_view tagWord) {
    return CDataFactory::Create(tagWord);
}

DOMElement* XmlObjectMapping::ObjectToElement(const CData& object, DOMDocument& document) const {
    const std::u16string tag = text_.ToXml(CTypeRegistry::GetTagWord(object.GetType()));
    DOMElement* element = document.createElement(tag.c_str());
    for (const auto& [name, value] : object.CollectProperties()) {
        if (value.empty())
            continue;
        const std::u16string xmlName = text_.ToXml(name);
        if (!IsPlainName(xmlName))
            continue;
        element->setAttribute(xmlName.c_str(), text_.ToXml(Escape(value)).c_str());
    }
    AddParams(object, *element, document);
    return element;
}

void XmlObjectMapping::WriteElementStart(const CData& object, XmlStreamWriter& writer) const {
    writer.StartElement(CTypeRegistry::GetTagWord(object.GetType()));
    for (const auto& [name, value] : object.CollectProperties()) {
        if (!value.empty() && IsAttributeName(name))
            WriteValue(name, value, writer);
    }
    const PropertyMap* params = object.ParamMapOrNull();
    if (!params)
        return;
    for (const auto& [name, value] : *params) {
        writer.StartElement(kParamTag);
        writer.Attribute("name", name);
        WriteValue("value", value, writer);
        writer.EndElement();
    }
}

void XmlObjectMapping::WriteValue(std::string_view name, const std::string& value,
                                  XmlStreamWriter& writer) {
    if (NeedsEscape(value))
        writer.Attribute(name, Escape(value));
    else
        writer.Attribute(name, value);
}

bool XmlObjectMapping::IsAttributeName(std::string_view name) const {
    // Property names are nearly always ASCII, which widens byte by byte.
    if (std::all_of(name.begin(), name.end(), [](char c) { return (c & 0x80) == 0; })) {
        wide_.assign(name.begin(), name.end());
        return qb::IsPlainName(wide_);
    }
    return qb::IsPlainName(text_.ToXml(name));
}

void XmlObjectMapping::AddParams(const CData& object, DOMElement& element,
                                 DOMDocument& document) const {
    const PropertyMap* params = object.ParamMapOrNull();
    if (!params)
        return;
    for (const auto& [name, value] : *params) {
        DOMElement* param = document.createElement(kParam.data());
        param->setAttribute(u"name", text_.ToXml(name).c_str());
        param->setAttribute(u"value", text_.ToXml(Escape(value)).c_str());
        element.appendChild(param);
    }
}

void XmlObjectMapping::ElementToObject(const DOMElement& element, CData& object) const {
    const DOMNamedNodeMap* attributes = element.getAttributes();
    for (XMLSize_t i = 0, n = attributes ? attributes->getLength() : 0; i < n; ++i) {
        const DOMNode* attribute = attributes->item(i);
        object.SetProperty(text_.ToUtf8(attribute->getNodeName()),
                           Unescape(text_.ToUtf8(attribute->getNodeValue())), false);
    }
    object.LoadProperties();
    for (const DOMElement* child = element.getFirstElementChild(); child;
         child = child->getNextElementSibling()) {
        if (std::u16string_view(child->getTagName()) != kParam)
            continue;
        const DOMAttr* name = child->getAttributeNode(u"name");
        const DOMAttr* value = child->getAttributeNode(u"value");
        if (name && value)
            object.SetParam(text_.ToUtf8(name->getValue()),
                            Unescape(text_.ToUtf8(value->getValue())));
    }
}

}  // namespace qb
