#pragma once

#include <QDialog>

namespace qb {

class HolidayRuleListWidget;
class IPrompt;
class ProjectHolidayForm;

// "プロジェクト休日情報の編集": the open project's own rules. OK applies
// them as one change; closing with changes asks whether to apply them.
class ProjectHolidayDialog : public QDialog {
    Q_OBJECT

public:
    ProjectHolidayDialog(ProjectHolidayForm& form, IPrompt& prompt, QWidget* parent = nullptr);

    HolidayRuleListWidget* Rules() const { return rules_; }

    void accept() override;
    void reject() override;

private:
    ProjectHolidayForm& form_;
    HolidayRuleListWidget* rules_ = nullptr;
};

}  // namespace qb
