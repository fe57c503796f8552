#pragma once

#include <string>

namespace qb {

// "インポート": the tab-separated file to read, and whether the chart shows
// the row ids while the dialog is open (so that a user can look them up).
struct ImportValues {
    std::string path;
    bool showRowIds = false;

    bool operator==(const ImportValues&) const = default;
};

}  // namespace qb
