#pragma once

#include <string>

#include "ErrorSlot.h"
#include "XmlDocumentPtr.h"
#include "XmlMessages.h"

namespace qb {

// Creates the documents the program writes and turns them into the bytes of
// a file: UTF-8, CR LF line ends, pretty printed.
class XmlSerializer {
public:
    // An empty document (no root yet); throws the library's exception when
    // none can be made.
    static XmlDocumentPtr NewDocument();

    // The document's bytes in out. False when the library refuses the
    // document (a value holding a character XML 1.0 cannot carry, such as a
    // control character) or runs out of memory; out is then empty.
    static bool Serialize(const xercesc::DOMDocument& document, std::string& out);

    // Builds a new document with build(document) and serialises it into
    // bytes. Any failure (text the library cannot take, lack of memory)
    // empties bytes and sets the "could not build the document" error.
    template <class Build>
    static bool Format(std::string& bytes, ErrorSlot& error, Build&& build) {
        error.Clear();
        bytes.clear();
        try {
            XmlDocumentPtr document = NewDocument();
            build(*document);
            if (Serialize(*document, bytes))
                return true;
        } catch (...) {
            // Reported below like a refused document.
        }
        bytes.clear();
        error.Set(ErrorSlot::kOwnError, XmlMessages::kBuildFailed);
        return false;
    }
};

}  // namespace qb
