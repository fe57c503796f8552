#pragma once

#include <string>

namespace qb {

// How a menu item shows before its menu opens. An empty label keeps the
// table's label.
struct CommandState {
    bool enabled = false;
    bool checked = false;
    std::string label;
};

}  // namespace qb
