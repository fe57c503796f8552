#pragma once

#include <QWidget>

#include "HolidayRuleList.h"

class QPushButton;
class QTreeWidget;

namespace qb {

class IPrompt;

// The rule list of the holiday editors, with the columns "名称", "ルール"
// and "適用期間", and the buttons that add, change, delete, move and sort
// rules, and take rules from an iCalendar file. A double click changes the rule.
class HolidayRuleListWidget : public QWidget {
    Q_OBJECT

public:
    HolidayRuleListWidget(HolidayRuleList& list, IPrompt& prompt, QWidget* parent = nullptr);

    // A list with the three columns, as this widget and the import preview show rules.
    static QTreeWidget* NewRuleTree(QWidget* parent);
    static void AddRow(QTreeWidget* tree, const HolidayRuleList::Row& row);

    QTreeWidget* Tree() const { return tree_; }
    // Shows the list again (after another file was opened).
    void Refresh(int current = -1);

    void AddRule();
    void ChangeRule();
    void DeleteRule();
    void MoveRule(bool up);
    void SortRules();
    // Rules from the all-day events of an iCalendar file, after a preview.
    void ImportRules();

signals:
    void Changed();

private:
    int Current() const;
    void UpdateButtons();

    HolidayRuleList& list_;
    IPrompt& prompt_;
    QTreeWidget* tree_ = nullptr;
    QPushButton* change_ = nullptr;
    QPushButton* delete_ = nullptr;
    QPushButton* up_ = nullptr;
    QPushButton* down_ = nullptr;
};

}  // namespace qb
