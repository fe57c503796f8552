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

    // Parses bytes and hands the root named rootName to interpret, whose
    // result is returned. Bytes that are not well-formed, or an interpretation
    // that throws, set the XML error with notWellFormed; a missing or wrong
    // root sets its own message. Every failure gives an empty result.
    template <class Result, class Interpret>
    static Result ParseRoot(std::string_view bytes, std::u16string_view rootName, ErrorSlot& error,
                            const char* notWellFormed, Interpret&& interpret) {
        error.Clear();
        XmlDocumentPtr document = Parse(bytes);
        if (!document) {
            error.Set(ErrorSlot::kXmlError, notWellFormed);
            return Result();
        }
        const xercesc::DOMElement* root = FindRoot(*document, rootName, error);
        if (!root)
            return Result();
        try {
            return interpret(*root);
        } catch (...) {
            error.Set(ErrorSlot::kXmlError, notWellFormed);
            return Result();
        }
    }
};

}  // namespace qb
