#pragma once

#include <QObject>

class QMenu;
class QPoint;
class QWidget;

namespace qb {

class CStatus;
class ChartScene;

// The row header's right-click menu: hide the row, show hidden rows again
// and fold or unfold the rows below it. The click first selects the row
// under the mouse; the items follow the View menu's rules and labels.
class RowHeaderMenu : public QObject {
    Q_OBJECT

public:
    // Shows itself when the row header asks for a context menu.
    RowHeaderMenu(QWidget& pane, CStatus& status, ChartScene& scene);

    // The menu as it would be shown now.
    QMenu* Build(QWidget* parent) const;

private:
    void Show(const QPoint& at);

    QWidget& pane_;
    CStatus& status_;
    ChartScene& scene_;
};

}  // namespace qb
