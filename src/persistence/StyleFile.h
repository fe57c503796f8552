#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "CStyleData.h"
#include "ErrorSlot.h"
#include "XmlObjectMapping.h"
#include "XmlPlatform.h"

namespace qb {

// A schedule style file (favourite shapes): the document element "styledata"
// holding one "schedulestylearray" of "schedulestyle" elements. After a null
// or false result GetError says why; a failed read hands back nothing.
class StyleFile {
public:
    std::unique_ptr<CStyleData> ReadStyleFile(const std::string& path);
    bool WriteStyleFile(const std::string& path, const CStyleData& styles);

    // The same on the bytes of a file.
    std::unique_ptr<CStyleData> ParseStyles(std::string_view bytes);
    bool FormatStyles(const CStyleData& styles, std::string& bytes);

    const ErrorSlot& GetError() const { return error_; }

private:
    std::unique_ptr<CStyleData> Interpret(const xercesc::DOMElement& root) const;
    void ReadStyles(const xercesc::DOMElement& arrayElement, CScheduleStyleArray& styles) const;

    XmlPlatform platform_;  // first: everything below needs the library
    XmlObjectMapping mapping_;
    ErrorSlot error_;
};

}  // namespace qb
