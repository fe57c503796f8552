#include "RulerMenu.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

#include "CCommandHandler.h"
#include "CStatus.h"
#include "CommandIds.h"
#include "DialogCommands.h"

namespace qb {

RulerMenu::RulerMenu(QWidget& ruler, CStatus& status)
    : QObject(&ruler), ruler_(ruler), status_(status) {
    ruler.setContextMenuPolicy(Qt::CustomContextMenu);
    connect(&ruler, &QWidget::customContextMenuRequested, this, &RulerMenu::Show);
}

QMenu* RulerMenu::Build(QWidget* parent) const {
    auto* menu = new QMenu(parent);
    CCommandHandler& commands = status_.Commands();
    const bool enabled = commands.State(cmd::kRulerUpper).enabled;
    QAction* upper = menu->addAction(QString::fromUtf8(kUpper));
    connect(upper, &QAction::triggered, this,
            [this] { status_.Commands().Execute(cmd::kRulerUpper); });
    QAction* lower = menu->addAction(QString::fromUtf8(kLower));
    connect(lower, &QAction::triggered, this,
            [this] { status_.Commands().Execute(cmd::kRulerLower); });
    menu->addSeparator();
    QAction* fonts = menu->addAction(QString::fromUtf8(kFontSize));
    connect(fonts, &QAction::triggered, this,
            [this] { status_.Commands().Dialogs().EditRulerFontSizes(); });
    for (QAction* action : {upper, lower, fonts})
        action->setEnabled(enabled);
    return menu;
}

void RulerMenu::Show(const QPoint& at) {
    QMenu* menu = Build(&ruler_);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(ruler_.mapToGlobal(at));
}

}  // namespace qb
