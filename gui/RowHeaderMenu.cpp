#include "RowHeaderMenu.h"

#include <QMenu>
#include <QWidget>

#include "CCommandHandler.h"
#include "CStatus.h"
#include "ChartScene.h"
#include "CommandIds.h"
#include "CommandMenu.h"
#include "IDocumentView.h"

namespace qb {
namespace {

// In menu order; 0 is a separator.
constexpr int kItems[] = {cmd::kHide,
                          0,
                          cmd::kShowBefore,
                          cmd::kShowAfter,
                          cmd::kShowBelow,
                          cmd::kShowAllRows,
                          0,
                          cmd::kFoldBelow,
                          0,
                          cmd::kCopy,
                          cmd::kInsertCopiedRow};

}  // namespace

RowHeaderMenu::RowHeaderMenu(QWidget& pane, CStatus& status, ChartScene& scene)
    : QObject(&pane), pane_(pane), status_(status), scene_(scene) {
    pane.setContextMenuPolicy(Qt::CustomContextMenu);
    connect(&pane, &QWidget::customContextMenuRequested, this, &RowHeaderMenu::Show);
}

QMenu* RowHeaderMenu::Build(QWidget* parent) const {
    return CommandMenu::Build(kItems, status_, parent,
                              [this](int id) { status_.Commands().Execute(id); });
}

void RowHeaderMenu::Show(const QPoint& at) {
    if (scene_.SelectRowAt(DrawPoint{at.x(), at.y()}))
        status_.View().ChartViewChanged();
    QMenu* menu = Build(&pane_);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(pane_.mapToGlobal(at));
}

}  // namespace qb
