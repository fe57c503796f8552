#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qb {

// The text of bulk row insertion ("段の一括挿入"): one caption per line. Lines
// end in CR LF, a lone CR or a lone LF; in a caption "\n" becomes a line
// break (CR LF) and then "\\" one backslash. Empty lines give no row.
class BulkRowText {
public:
    static std::vector<std::string> Captions(std::string_view text);
    static std::string Unescape(std::string_view line);
};

}  // namespace qb
