#include "MenuBuilder.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>
#include <QStringList>

#include "CCommandHandler.h"
#include "CStatus.h"
#include "CommandIds.h"
#include "MenuTable.h"

namespace qb {

namespace {

bool IsViewMode(int id) {
    return id >= cmd::kViewProject && id <= cmd::kViewYear;
}

// A path in a menu item must not read as a mnemonic.
QString EscapeMnemonics(QString text) {
    return text.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

}  // namespace

MenuBuilder::MenuBuilder(QMenuBar& bar, CStatus& status)
    : QObject(&bar), bar_(bar), status_(status), viewModes_(new QActionGroup(this)) {
    viewModes_->setExclusive(true);
    for (const CommandInfo& info : MenuTable::Items())
        AddItem(info.id, QString::fromUtf8(info.menu), info.label, info.shortcut);
    if (fileMenu_ != nullptr)
        connect(fileMenu_, &QMenu::aboutToShow, this, &MenuBuilder::RebuildRecentFiles);
    UpdateAll();
}

QStringList MenuBuilder::SplitMenuPath(const QString& path) {
    QStringList names;
    QString name;
    for (qsizetype i = 0; i < path.size(); ++i) {
        if (path.at(i) == QLatin1Char('/') && name.endsWith(QLatin1Char(')'))) {
            names.append(name);
            name.clear();
        } else {
            name.append(path.at(i));
        }
    }
    if (!name.isEmpty())
        names.append(name);
    return names;
}

QMenu* MenuBuilder::MenuFor(const QString& path) {
    QMenu* parent = nullptr;
    QString key;
    for (const QString& name : SplitMenuPath(path)) {
        key = key.isEmpty() ? name : key + QLatin1Char('/') + name;
        QMenu* menu = menus_.value(key, nullptr);
        if (menu == nullptr) {
            menu = parent == nullptr ? bar_.addMenu(name) : parent->addMenu(name);
            connect(menu, &QMenu::aboutToShow, this, [this, menu] { UpdateMenu(menu); });
            menus_.insert(key, menu);
            if (fileMenu_ == nullptr)
                fileMenu_ = menu;
        }
        parent = menu;
    }
    return parent;
}

void MenuBuilder::AddItem(int id, const QString& path, const char* label, const char* shortcut) {
    QMenu* menu = MenuFor(path);
    if (id == 0) {
        menu->addSeparator();
        return;
    }
    QAction* action = menu->addAction(QString::fromUtf8(label));
    action->setData(id);
    const QKeySequence keys =
        QKeySequence::fromString(QString::fromUtf8(shortcut), QKeySequence::PortableText);
    action->setShortcut(keys);
    shortcuts_.insert(action, keys);
    labels_.insert(action, action->text());
    if (IsViewMode(id)) {
        action->setCheckable(true);
        viewModes_->addAction(action);
    }
    connect(action, &QAction::triggered, this, [this, id] { Run(id); });
    actions_.insert(id, action);
}

void MenuBuilder::Run(int id) {
    status_.Commands().Execute(id);
    UpdateAll();
}

void MenuBuilder::UpdateAll() {
    for (QAction* action : std::as_const(actions_))
        UpdateAction(action);
}

void MenuBuilder::UpdateMenu(QMenu* menu) {
    for (QAction* action : menu->actions()) {
        if (!action->isSeparator() && action->menu() == nullptr &&
            actions_.contains(action->data().toInt()))
            UpdateAction(action);
    }
}

void MenuBuilder::UpdateAction(QAction* action) {
    const CommandState state = status_.Commands().State(action->data().toInt());
    action->setEnabled(state.enabled);
    // An item that ever shows a check keeps its room for it.
    if (state.checked)
        action->setCheckable(true);
    if (action->isCheckable())
        action->setChecked(state.checked);
    action->setText(state.label.empty() ? labels_.value(action)
                                        : QString::fromStdString(state.label));
}

void MenuBuilder::RebuildRecentFiles() {
    for (QAction* action : std::as_const(recent_))
        delete action;
    recent_.clear();
    delete recentSeparator_;
    recentSeparator_ = nullptr;
    const std::vector<std::string>& entries = status_.Services().Recent().Entries();
    if (entries.empty())
        return;
    recentSeparator_ = fileMenu_->addSeparator();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const int id = RecentFiles::kFirstCommand + static_cast<int>(i);
        const QString text = QStringLiteral("&%1 %2").arg(i).arg(
            EscapeMnemonics(QString::fromStdString(entries[i])));
        QAction* action = fileMenu_->addAction(text);
        action->setData(id);
        connect(action, &QAction::triggered, this, [this, id] { Run(id); });
        recent_.append(action);
    }
}

bool MenuBuilder::IsPageKey(const QKeySequence& shortcut) {
    if (shortcut.isEmpty())
        return false;
    switch (shortcut[0].key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Delete:
        case Qt::Key_A:
        case Qt::Key_C:
        case Qt::Key_V:
        case Qt::Key_X:
        case Qt::Key_Y:
        case Qt::Key_Z:
            return true;
        default:
            return false;
    }
}

void MenuBuilder::SetPageMode(bool page) {
    pageMode_ = page;
    for (auto it = shortcuts_.cbegin(); it != shortcuts_.cend(); ++it) {
        if (IsPageKey(it.value()))
            it.key()->setShortcut(page ? QKeySequence() : it.value());
    }
}

}  // namespace qb
