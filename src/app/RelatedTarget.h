#pragma once

#include <string>
#include <string_view>

namespace qb {

// What the command that opens an object's related information may hand to
// the desktop: a web address, a file address, or a file or folder that
// exists. Any other text is refused, so that a reference never reaches the
// desktop as something it might run.
class RelatedTarget {
public:
    // The address or the full path for a reference text; empty when the text
    // names none of these. A relative path is taken from the given folder
    // (the document's), and from nowhere when that is empty.
    static std::string Resolve(std::string_view text, const std::string& folder);
};

}  // namespace qb
