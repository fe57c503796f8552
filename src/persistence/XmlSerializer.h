#pragma once

#include <string>

#include "XmlDocumentPtr.h"

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
};

}  // namespace qb
