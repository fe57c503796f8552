#pragma once

#include <QWidget>

class QLabel;
class QTabBar;

namespace qb {

// The tabs over the main window's panes (the project information page and
// the day, month and year charts) with the file mode in framed boxes at the
// right: "共有モード" or "シングルモード" while a document is open, and
// "読み取り専用" while it is read-only.
class ModeTabBar : public QWidget {
    Q_OBJECT

public:
    explicit ModeTabBar(QWidget* parent = nullptr);

    // Selects a tab without reporting it as the user's choice.
    void SelectTab(int index);
    int CurrentTab() const;
    void ShowMode(bool documentOpen, bool shared, bool readOnly);

    QTabBar* Tabs() const { return tabs_; }
    QLabel* ModeBox() const { return modeBox_; }
    QLabel* ReadOnlyBox() const { return readOnlyBox_; }

signals:
    // The user picked a tab.
    void TabChosen(int index);
    // A right click anywhere on the bar.
    void RightClicked();

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    QTabBar* tabs_ = nullptr;
    QLabel* modeBox_ = nullptr;
    QLabel* readOnlyBox_ = nullptr;
};

}  // namespace qb
