#pragma once

#include <string>

#include "CProject.h"
#include "ErrorSlot.h"
#include "XmlObjectMapping.h"
#include "XmlPlatform.h"

namespace qb {

// The XML export of a whole project: the project element, then its schedule,
// column, link, draw part and holiday arrays with their live elements, and
// last the row tree, nested as the rows nest. There is no reader for it.
class ProjectXmlWriter {
public:
    // Replaces the file at path with the export. False with the reason in
    // GetError; the file is then left as it was.
    bool WriteProjectXml(const std::string& path, const CProject& project);
    // The export as bytes.
    bool FormatProjectXml(const CProject& project, std::string& bytes);

    const ErrorSlot& GetError() const { return error_; }

private:
    void AddArray(const CDataArray& array, xercesc::DOMElement& parent,
                  xercesc::DOMDocument& document) const;
    void AddRows(const CRowArray& rows, xercesc::DOMElement& parent,
                 xercesc::DOMDocument& document) const;

    XmlPlatform platform_;  // first: everything below needs the library
    XmlObjectMapping mapping_;
    ErrorSlot error_;
};

}  // namespace qb
