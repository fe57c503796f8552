#pragma once

#include <memory>
#include <string>
#include <string_view>

#include <xercesc/util/XercesDefs.hpp>

#include "CData.h"
#include "XmlText.h"

XERCES_CPP_NAMESPACE_BEGIN
class DOMDocument;
class DOMElement;
XERCES_CPP_NAMESPACE_END

namespace qb {

class XmlStreamWriter;

// The one mapping between a data object and an XML element that every
// document uses: the element is named after the object's tag word, its
// non-empty properties are attributes, its params are leading "param"
// children. Attribute values are escaped so that line breaks survive.
class XmlObjectMapping {
public:
    // Backslash doubled, then CR LF and every remaining LF written as the two
    // characters backslash and n. A lone CR stays as it is.
    static std::string Escape(std::string_view text);
    // The reverse: backslash-n becomes CR LF and a doubled backslash one
    // backslash, so an escaped backslash followed by n reads back unchanged.
    static std::string Unescape(std::string_view text);

    // The factory of the type registry: a default object for a tag word, or
    // null for a word that names no concrete class.
    static std::unique_ptr<CData> CreateObjectFromTag(std::string_view tagWord);

    // A new element for the object, owned by document but not yet placed in
    // it. Property names that cannot be XML attribute names are left out.
    // Throws the library's exception on text that is not UTF-8.
    xercesc::DOMElement* ObjectToElement(const CData& object, xercesc::DOMDocument& document) const;
    // The same element written to a stream: its start tag with the
    // attributes, then the "param" children. The element is left open for
    // the caller's further children. Throws the library's exception on a
    // property name that is not UTF-8; values the document cannot carry
    // are the writer's to refuse.
    void WriteElementStart(const CData& object, XmlStreamWriter& writer) const;
    // Fills an existing object: every attribute as a property (without
    // notification), then LoadProperties, then each "param" child that has
    // both a name and a value. Other children are left to the caller.
    void ElementToObject(const xercesc::DOMElement& element, CData& object) const;

    const XmlText& Text() const { return text_; }

private:
    void AddParams(const CData& object, xercesc::DOMElement& element,
                   xercesc::DOMDocument& document) const;
    // A property name that becomes an attribute (see ObjectToElement).
    bool IsAttributeName(std::string_view name) const;
    static void WriteValue(std::string_view name, const std::string& value,
                           XmlStreamWriter& writer);

    XmlText text_;
    mutable std::u16string wide_;  // reused by IsAttributeName
};

}  // namespace qb
