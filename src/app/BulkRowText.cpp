#include "BulkRowText.h"

namespace qb {
namespace {

// The end of the line starting at start, and where the next one starts.
std::pair<std::size_t, std::size_t> LineEnd(std::string_view text, std::size_t start) {
    const std::size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos)
        return {text.size(), text.size()};
    const bool crlf = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
    return {end, end + (crlf ? 2 : 1)};
}

void ReplaceAll(std::string& text, std::string_view from, std::string_view to) {
    for (std::size_t at = text.find(from); at != std::string::npos;
         at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
}

}  // namespace

std::vector<std::string> BulkRowText::Captions(std::string_view text) {
    std::vector<std::string> captions;
    for (std::size_t start = 0; start < text.size();) {
        const auto [end, next] = LineEnd(text, start);
        if (end > start)
            captions.push_back(Unescape(text.substr(start, end - start)));
        start = next;
    }
    return captions;
}

// Line breaks first, then doubled backslashes: "\\n" therefore reads as a
// backslash followed by a line break, as users of the dialog have known it.
std::string BulkRowText::Unescape(std::string_view line) {
    std::string caption(line);
    ReplaceAll(caption, "\\n", "\r\n");
    ReplaceAll(caption, "\\\\", "\\");
    return caption;
}

}  // namespace qb
