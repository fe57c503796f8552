#pragma once

#include <string>

#include "DrawTypes.h"

namespace qb {

class IDrawContext;

// A printer, or a file that takes a printer's pages (PDF). Pages are drawn in
// tenths of a millimetre from the paper's top-left corner, y downwards.
// Failures are answered with false or null, never thrown; ErrorString says
// why where the platform tells.
class IPrinter {
public:
    virtual ~IPrinter() = default;

    // Starts a document of paper-sized pages (tenths of a millimetre; the
    // wider side across prints landscape).
    virtual bool BeginDocument(const std::string& name, DrawSize paper, int copies) = 0;
    // The next page's surface, valid until EndPage; null when the page
    // could not be started.
    virtual IDrawContext* BeginPage() = 0;
    virtual void EndPage() = 0;
    // False when the document could not be finished.
    virtual bool EndDocument() = 0;
    virtual std::string ErrorString() const = 0;
};

}  // namespace qb
