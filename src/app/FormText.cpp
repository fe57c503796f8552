#include "FormText.h"

namespace qb {

std::string FormText::ForEditor(std::string_view stored) {
    std::string text;
    text.reserve(stored.size());
    for (std::size_t i = 0; i < stored.size(); ++i) {
        if (stored[i] == '\r' && i + 1 < stored.size() && stored[i + 1] == '\n')
            continue;
        text += stored[i];
    }
    return text;
}

std::string FormText::FromEditor(std::string_view edited, std::string_view stored) {
    if (edited == ForEditor(stored))
        return std::string(stored);
    std::string text;
    text.reserve(edited.size() + 8);
    for (const char c : edited) {
        if (c == '\n')
            text += '\r';
        text += c;
    }
    return text;
}

}  // namespace qb
