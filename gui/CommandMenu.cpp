#include "CommandMenu.h"

#include <QAction>
#include <QMenu>

#include "CCommandHandler.h"
#include "CStatus.h"
#include "MenuTable.h"

namespace qb {

QMenu* CommandMenu::Build(std::span<const int> ids, CStatus& status, QWidget* parent,
                          const std::function<void(int)>& run) {
    auto* menu = new QMenu(parent);
    for (const int id : ids) {
        const CommandInfo* item = MenuTable::Find(id);
        if (item == nullptr) {
            if (id == 0)
                menu->addSeparator();
            continue;
        }
        const CommandState state = status.Commands().State(id);
        const char* label = state.label.empty() ? item->label : state.label.c_str();
        QAction* action = menu->addAction(QString::fromUtf8(label));
        action->setEnabled(state.enabled);
        action->setCheckable(state.checked);
        action->setChecked(state.checked);
        QObject::connect(action, &QAction::triggered, menu, [run, id] { run(id); });
    }
    return menu;
}

}  // namespace qb
