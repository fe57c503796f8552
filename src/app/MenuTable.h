#pragma once

#include <span>

#include "CommandInfo.h"

namespace qb {

// The main menu: every command's id, the menu it sits in, its label and its
// shortcut, in menu order. The command handler, the menu bar and the tool
// bars all read it.
class MenuTable {
public:
    // In menu order; an id of 0 is a separator.
    static std::span<const CommandInfo> Items();
    // The item of a command; none for an unknown id or 0.
    static const CommandInfo* Find(int id);
};

}  // namespace qb
