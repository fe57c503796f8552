#pragma once

#include <QKeySequence>
#include <QList>
#include <QMap>
#include <QObject>
#include <QString>
#include <QStringList>

class QAction;
class QActionGroup;
class QMenu;
class QMenuBar;

namespace qb {

class CStatus;

// The main menu made from the command handler's table: one menu per top menu
// and sub-menu path, one action per command with its shortcut. Choosing an
// item runs its command; before a menu opens its items take the handler's
// enabled, checked and label state. The File menu ends with the recent files.
class MenuBuilder : public QObject {
    Q_OBJECT

public:
    MenuBuilder(QMenuBar& bar, CStatus& status);

    // Every item's state from the handler; also after each command, so that
    // shortcuts follow commands that became enabled or disabled.
    void UpdateAll();
    // On the project information page the keys its edit fields need do not
    // reach the menu: Enter, Delete and A, C, V, X, Y, Z with any modifier.
    void SetPageMode(bool page);
    bool IsPageMode() const { return pageMode_; }

    QAction* Action(int id) const { return actions_.value(id, nullptr); }
    QMenu* Menu(const QString& path) const { return menus_.value(path, nullptr); }
    QMenu* FileMenu() const { return fileMenu_; }
    const QList<QAction*>& RecentActions() const { return recent_; }

    // Whether a shortcut uses one of the page's keys.
    static bool IsPageKey(const QKeySequence& shortcut);
    // The menu names of a path. A name may hold "/" itself ("表示オン/オフ(&G)");
    // every name ends with its mnemonic in parentheses, so only a "/" after
    // ")" separates two names.
    static QStringList SplitMenuPath(const QString& path);

private:
    QMenu* MenuFor(const QString& path);
    void AddItem(int id, const QString& path, const char* label, const char* shortcut);
    void UpdateMenu(QMenu* menu);
    void UpdateAction(QAction* action);
    void RebuildRecentFiles();
    void Run(int id);

    QMenuBar& bar_;
    CStatus& status_;
    QMap<QString, QMenu*> menus_;
    QMap<int, QAction*> actions_;
    // The table's shortcut of each action, put back when the page is left.
    QMap<QAction*, QKeySequence> shortcuts_;
    // The table's label, shown whenever the handler gives none.
    QMap<QAction*, QString> labels_;
    QActionGroup* viewModes_ = nullptr;
    QMenu* fileMenu_ = nullptr;
    QAction* recentSeparator_ = nullptr;
    QList<QAction*> recent_;
    bool pageMode_ = false;
};

}  // namespace qb
