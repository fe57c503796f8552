#pragma once

#include <string>

#include "CProject.h"
#include "ErrorSlot.h"
#include "XmlObjectMapping.h"
#include "XmlPlatform.h"
#include "XmlStreamWriter.h"

namespace qb {

// The XML export of a whole project: the project element, then its schedule,
// column, link, draw part and holiday arrays with their live elements, and
// last the row tree, nested as the rows nest. There is no reader for it.
// The document is written as it is produced, never held whole, so a large
// project takes little more memory than the project itself.
class ProjectXmlWriter {
public:
    // Replaces the file at path with the export. False with the reason in
    // GetError; the file is then left as it was.
    bool WriteProjectXml(const std::string& path, const CProject& project);
    // The export as bytes.
    bool FormatProjectXml(const CProject& project, std::string& bytes);

    const ErrorSlot& GetError() const { return error_; }

private:
    // Writes the document to sink; false when the project holds text the
    // document cannot carry (the sink's own failures are the caller's).
    bool Write(const CProject& project, XmlStreamWriter::Sink sink);
    void WriteArray(const CDataArray& array, XmlStreamWriter& writer) const;
    void WriteRows(const CRowArray& rows, XmlStreamWriter& writer) const;

    XmlPlatform platform_;  // first: everything below needs the library
    XmlObjectMapping mapping_;
    ErrorSlot error_;
};

}  // namespace qb
