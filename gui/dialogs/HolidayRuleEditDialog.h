#pragma once

#include <QDialog>
#include <memory>

#include "HolidayRuleValues.h"

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLineEdit;
class QSpinBox;

namespace qb {

class CHoliday;
class IPrompt;

// One holiday rule: its name, how it repeats (a date, every year, every
// month, every week), the day or the n-th weekday, whether a Sunday moves to
// the Monday, whether the day is a forced working day, and its validity
// period. OK refuses values that name no day, and the dialog stays open.
class HolidayRuleEditDialog : public QDialog {
    Q_OBJECT

public:
    HolidayRuleEditDialog(const HolidayRuleValues& values, IPrompt& prompt,
                          QWidget* parent = nullptr);

    HolidayRuleValues Values() const;
    std::unique_ptr<CHoliday> Rule() const;

    QLineEdit* NameEdit() const { return name_; }
    QComboBox* RepeatBox() const { return repeat_; }
    QSpinBox* YearBox() const { return year_; }
    QSpinBox* MonthBox() const { return month_; }
    QSpinBox* DayBox() const { return day_; }

    void accept() override;

private:
    void UpdateStates();

    IPrompt& prompt_;
    QLineEdit* name_ = nullptr;
    QComboBox* repeat_ = nullptr;
    QComboBox* by_ = nullptr;
    QSpinBox* year_ = nullptr;
    QSpinBox* month_ = nullptr;
    QSpinBox* day_ = nullptr;
    QComboBox* weekNo_ = nullptr;
    QComboBox* dayOfWeek_ = nullptr;
    QCheckBox* transfer_ = nullptr;
    QCheckBox* force_ = nullptr;
    QCheckBox* hasStart_ = nullptr;
    QDateEdit* start_ = nullptr;
    QCheckBox* hasEnd_ = nullptr;
    QDateEdit* end_ = nullptr;
};

}  // namespace qb
