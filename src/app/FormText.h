#pragma once

#include <string>
#include <string_view>

namespace qb {

// Multi-line texts of the dialogs. Stored texts break lines with CR LF, as
// the files written on Windows do; edit boxes break them with LF alone.
class FormText {
public:
    static std::string ForEditor(std::string_view stored);
    // The edited text to store: the stored text itself when the user left it
    // as it was (so line breaks of any kind survive), else with CR LF breaks.
    static std::string FromEditor(std::string_view edited, std::string_view stored);
};

}  // namespace qb
