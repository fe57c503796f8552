#include "StyleFile.h"

#include <xercesc/dom/DOM.hpp>

#include "XmlFile.h"
#include "XmlMessages.h"
#include "XmlParser.h"
#include "XmlSerializer.h"

namespace qb {
namespace {

using namespace xercesc;

bool IsNamed(const DOMElement& element, std::u16string_view name) {
    return std::u16string_view(element.getTagName()) == name;
}

}  // namespace

std::unique_ptr<CStyleData> StyleFile::ReadStyleFile(const std::string& path) {
    std::string bytes;
    if (!XmlFile::Read(path, bytes, error_, XmlMessages::kNotWellFormed))
        return nullptr;
    return ParseStyles(bytes);
}

std::unique_ptr<CStyleData> StyleFile::ParseStyles(std::string_view bytes) {
    return XmlParser::ParseRoot<std::unique_ptr<CStyleData>>(
        bytes, u"styledata", error_, XmlMessages::kNotWellFormed,
        [this](const DOMElement& root) { return Interpret(root); });
}

std::unique_ptr<CStyleData> StyleFile::Interpret(const DOMElement& root) const {
    auto styles = std::make_unique<CStyleData>();
    mapping_.ElementToObject(root, *styles);
    for (const DOMElement* child = root.getFirstElementChild(); child;
         child = child->getNextElementSibling()) {
        if (IsNamed(*child, u"schedulestylearray"))
            ReadStyles(*child, styles->GetStyles());
    }
    return styles;
}

void StyleFile::ReadStyles(const DOMElement& arrayElement, CScheduleStyleArray& styles) const {
    mapping_.ElementToObject(arrayElement, styles);
    for (const DOMElement* child = arrayElement.getFirstElementChild(); child;
         child = child->getNextElementSibling()) {
        if (!IsNamed(*child, u"schedulestyle"))
            continue;
        auto style = std::make_unique<CScheduleStyle>();
        mapping_.ElementToObject(*child, *style);
        styles.Add(std::move(style));
    }
}

bool StyleFile::WriteStyleFile(const std::string& path, const CStyleData& styles) {
    std::string bytes;
    if (!FormatStyles(styles, bytes))
        return false;
    return XmlFile::Write(path, bytes, error_);
}

bool StyleFile::FormatStyles(const CStyleData& styles, std::string& bytes) {
    return XmlSerializer::Format(bytes, error_, [&](DOMDocument& document) {
        DOMElement* root = mapping_.ObjectToElement(styles, document);
        document.appendChild(root);
        DOMElement* array = mapping_.ObjectToElement(styles.GetStyles(), document);
        root->appendChild(array);
        styles.GetStyles().ForEach([&](const CScheduleStyle& style) {
            if (!style.IsDeleted())
                array->appendChild(mapping_.ObjectToElement(style, document));
        });
    });
}

}  // namespace qb
