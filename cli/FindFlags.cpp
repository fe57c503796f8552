#include "FindFlags.h"

#include <set>
#include <string_view>

namespace qb::cli {

bool FindFlags::Parse(const Args& args, FindOptions& options) {
    FindOptions parsed;
    parsed.captions = parsed.remarks = parsed.memos = false;
    std::set<std::string_view> seen;
    for (const std::string_view arg : args) {
        if (!seen.insert(arg).second)
            return false;
        if (arg == "--captions")
            parsed.captions = true;
        else if (arg == "--remarks")
            parsed.remarks = true;
        else if (arg == "--memos")
            parsed.memos = true;
        else if (arg == "--ignore-case")
            parsed.ignoreCase = true;
        else if (arg == "--ignore-width")
            parsed.ignoreWidth = true;
        else if (arg == "--ignore-spaces")
            parsed.ignoreSpaces = true;
        else if (arg == "--overflow-only")
            parsed.overflowOnly = true;
        else
            return false;
    }
    if (!parsed.captions && !parsed.remarks && !parsed.memos)
        parsed.captions = parsed.remarks = parsed.memos = true;
    options = parsed;
    return true;
}

}  // namespace qb::cli
