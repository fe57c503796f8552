#pragma once

#include <memory>

#include <xercesc/dom/DOMDocument.hpp>

namespace qb {

// Documents of the XML library are freed with release(), never delete.
struct XmlDocumentRelease {
    void operator()(xercesc::DOMDocument* document) const {
        if (document)
            document->release();
    }
};

using XmlDocumentPtr = std::unique_ptr<xercesc::DOMDocument, XmlDocumentRelease>;

}  // namespace qb
