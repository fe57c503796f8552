#pragma once

#include <optional>
#include <string>
#include <string_view>

#include <xercesc/util/XercesDefs.hpp>

#include "ErrorSlot.h"
#include "XmlPlatform.h"
#include "XmlText.h"

XERCES_CPP_NAMESPACE_BEGIN
class DOMElement;
XERCES_CPP_NAMESPACE_END

namespace qb {

// A sign area file: the texts of the approval-stamp areas, held in memory as
// one text with the areas separated by tabs, stored as numbered "SignArea"
// elements under "SignAreas". After a failure GetError says why and nothing
// is handed back, so the caller keeps what it had.
class SignAreaFile {
public:
    std::optional<std::string> ReadSignAreas(const std::string& path);
    bool WriteSignAreas(const std::string& path, std::string_view areas);

    // The same on the bytes of a file.
    std::optional<std::string> ParseSignAreas(std::string_view bytes);
    bool FormatSignAreas(std::string_view areas, std::string& bytes);

    const ErrorSlot& GetError() const { return error_; }

private:
    std::optional<std::string> Interpret(const xercesc::DOMElement& root);

    XmlPlatform platform_;  // first: everything below needs the library
    XmlText text_;
    ErrorSlot error_;
};

}  // namespace qb
