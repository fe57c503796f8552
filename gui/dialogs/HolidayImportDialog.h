#pragma once

#include <QDialog>

class QTreeWidget;

namespace qb {

class HolidayImport;

// "iCalendar から取り込み": the rules read from an iCalendar file, in the
// columns of the rule list, with what was left out; "追加" takes them all.
class HolidayImportDialog : public QDialog {
    Q_OBJECT

public:
    explicit HolidayImportDialog(const HolidayImport& import, QWidget* parent = nullptr);

    QTreeWidget* Tree() const { return tree_; }

private:
    QTreeWidget* tree_ = nullptr;
};

}  // namespace qb
