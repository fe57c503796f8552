#pragma once

#include <QDialog>

namespace qb {

class HolidayFileForm;
class HolidayRuleListWidget;
class IPrompt;

// "休日ファイルエディタ": the rules of one holiday file with a menu bar of
// file commands; the form asks about unsaved changes, also on closing.
class HolidayFileDialog : public QDialog {
    Q_OBJECT

public:
    HolidayFileDialog(HolidayFileForm& form, IPrompt& prompt, QWidget* parent = nullptr);

    HolidayRuleListWidget* Rules() const { return rules_; }

    void reject() override;

private:
    void RunFileCommand(bool (HolidayFileForm::*command)());

    HolidayFileForm& form_;
    HolidayRuleListWidget* rules_ = nullptr;
};

}  // namespace qb
