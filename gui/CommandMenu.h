#pragma once

#include <functional>
#include <span>

class QMenu;
class QWidget;

namespace qb {

class CStatus;

// A context menu of menu commands: each item has the main menu's label (or
// the one its state gives now) and its enabled and checked state; 0 stands
// for a separator. Choosing an item calls run with its id.
class CommandMenu {
public:
    static QMenu* Build(std::span<const int> ids, CStatus& status, QWidget* parent,
                        const std::function<void(int)>& run);
};

}  // namespace qb
