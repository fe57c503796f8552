#pragma once

namespace qb {

// One item of the main menu: its command id, the menu it sits in (the top
// menu's label, then sub-menus separated by "/"), its label and its keyboard
// shortcut in the portable form ("Ctrl+O"; empty for none).
struct CommandInfo {
    int id;
    const char* menu;
    const char* label;
    const char* shortcut;
};

}  // namespace qb
