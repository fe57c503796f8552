#pragma once

#include <QDialog>

#include "ShiftDaysValues.h"

class QComboBox;
class QLineEdit;
class QRadioButton;

namespace qb {

class DateField;
class IPrompt;

// "値の指定": shift the selected schedules and memos by a number of days to
// the left or right, or so that the earliest of them starts on a date, and
// what becomes of their actual dates. A number of days beyond what the
// calendar holds, or a date that names no day, is refused and the dialog
// stays open.
class ShiftDaysDialog : public QDialog {
    Q_OBJECT

public:
    ShiftDaysDialog(const ShiftDaysValues& initial, IPrompt& prompt, QWidget* parent = nullptr);

    ShiftDaysValues Values() const;

    QRadioButton* ByDaysButton() const { return byDays_; }
    QRadioButton* ByDateButton() const { return byDate_; }
    QLineEdit* DaysEdit() const { return days_; }
    QRadioButton* LeftButton() const { return left_; }
    QRadioButton* RightButton() const { return right_; }
    DateField* TargetField() const { return target_; }
    QComboBox* ActualsList() const { return actuals_; }

    void accept() override;

private:
    void UpdateEnabled();
    void Refuse(const std::string& text, QWidget* focus);

    IPrompt& prompt_;
    QRadioButton* byDays_ = nullptr;
    QRadioButton* byDate_ = nullptr;
    QLineEdit* days_ = nullptr;
    QRadioButton* left_ = nullptr;
    QRadioButton* right_ = nullptr;
    DateField* target_ = nullptr;
    QComboBox* actuals_ = nullptr;
};

}  // namespace qb
