#pragma once

#include <string_view>

#include "ErrorSlot.h"
#include "XmlDocumentPtr.h"

namespace qb {

// Parses documents that arrive from files, so from anyone. No external DTD or
// entity is ever fetched (a document can name any file or address), entity
// expansion is bounded, and nothing is validated against a schema.
class XmlParser {
public:
    // The document, or null when the bytes are not well-formed XML.
    static XmlDocumentPtr Parse(std::string_view bytes);

    // The document element when it is named rootName. Otherwise null, with
    // the root message in error (no element at all, or another name).
    static const xercesc::DOMElement* FindRoot(const xercesc::DOMDocument& document,
                                               std::u16string_view rootName, ErrorSlot& error);
};

}  // namespace qb
