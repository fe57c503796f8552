#pragma once

#include <QObject>
#include <span>

class QMainWindow;
class QToolBar;

namespace qb {

class ISettingsStore;
class MenuBuilder;
class Palette;
class PaletteBar;
struct ToolButton;

// The command bar "標準", the view settings bar "表示設定" and the palette bar
// "パレット". The first two bars' buttons are the menu's own actions, so a
// button runs the same command as its menu item and is enabled and checked
// by the same rule. The window's bar layout
// is kept in the settings store under "toolbar".
class ToolBars : public QObject {
    Q_OBJECT

public:
    static constexpr const char* kSection = "toolbar";
    static constexpr const char* kStateName = "State";

    ToolBars(QMainWindow& window, MenuBuilder& menus, Palette& palette);

    // The bar a command shows and hides (command bar, view settings bar,
    // palette bar); null for any other id.
    QToolBar* Bar(int id) const;
    bool IsShown(int id) const;
    void Show(int id, bool show);

    void SaveLayout(ISettingsStore& store) const;
    // A layout that cannot be read leaves the bars as built.
    void RestoreLayout(const ISettingsStore& store);

private:
    QToolBar* AddBar(const char* title, const char* objectName,
                     std::span<const ToolButton> buttons);

    QMainWindow& window_;
    MenuBuilder& menus_;
    QToolBar* commandBar_ = nullptr;
    QToolBar* viewBar_ = nullptr;
    PaletteBar* paletteBar_ = nullptr;
};

}  // namespace qb
