#include "RowHeaderMenu.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

#include "CCommandHandler.h"
#include "CStatus.h"
#include "ChartScene.h"
#include "CommandIds.h"
#include "IDocumentView.h"
#include "MenuTable.h"

namespace qb {
namespace {

// In menu order; 0 is a separator.
constexpr int kItems[] = {cmd::kHide,        0, cmd::kShowBefore, cmd::kShowAfter, cmd::kShowBelow,
                          cmd::kShowAllRows, 0, cmd::kFoldBelow};

}  // namespace

RowHeaderMenu::RowHeaderMenu(QWidget& pane, CStatus& status, ChartScene& scene)
    : QObject(&pane), pane_(pane), status_(status), scene_(scene) {
    pane.setContextMenuPolicy(Qt::CustomContextMenu);
    connect(&pane, &QWidget::customContextMenuRequested, this, &RowHeaderMenu::Show);
}

QMenu* RowHeaderMenu::Build(QWidget* parent) const {
    auto* menu = new QMenu(parent);
    for (const int id : kItems) {
        if (id == 0) {
            menu->addSeparator();
            continue;
        }
        const CommandState state = status_.Commands().State(id);
        const char* label = state.label.empty() ? MenuTable::Find(id)->label : state.label.c_str();
        QAction* action = menu->addAction(QString::fromUtf8(label));
        action->setEnabled(state.enabled);
        connect(action, &QAction::triggered, this, [this, id] { status_.Commands().Execute(id); });
    }
    return menu;
}

void RowHeaderMenu::Show(const QPoint& at) {
    if (scene_.SelectRowAt(DrawPoint{at.x(), at.y()}))
        status_.View().ChartViewChanged();
    QMenu* menu = Build(&pane_);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(pane_.mapToGlobal(at));
}

}  // namespace qb
