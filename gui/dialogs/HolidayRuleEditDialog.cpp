#include "HolidayRuleEditDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QSpinBox>

#include "CHoliday.h"
#include "HolidayRuleList.h"
#include "IPrompt.h"

namespace qb {
namespace {

constexpr const char* kWeekdays[] = {"日曜日", "月曜日", "火曜日", "水曜日",
                                     "木曜日", "金曜日", "土曜日"};

QDate ToQDate(const COleDateTime& day) {
    COleDateTime::Fields fields;
    if (!day.IsValid() || !day.GetFields(fields))
        return QDate::currentDate();
    return QDate(fields.year, fields.month, fields.day);
}

COleDateTime FromQDate(const QDate& day) {
    return COleDateTime(day.year(), day.month(), day.day(), 0, 0, 0);
}

QSpinBox* NumberBox(int low, int high, int value, QWidget* parent) {
    auto* box = new QSpinBox(parent);
    box->setRange(low, high);
    box->setValue(value);
    return box;
}

}  // namespace

HolidayRuleEditDialog::HolidayRuleEditDialog(const HolidayRuleValues& values, IPrompt& prompt,
                                             QWidget* parent)
    : QDialog(parent), prompt_(prompt) {
    setWindowTitle(QStringLiteral("休日ルールの設定"));
    auto* form = new QFormLayout(this);
    name_ = new QLineEdit(QString::fromStdString(values.name), this);
    form->addRow(QStringLiteral("名称(&N):"), name_);

    repeat_ = new QComboBox(this);
    repeat_->addItems({QStringLiteral("特定の日付"), QStringLiteral("毎年"), QStringLiteral("毎月"),
                       QStringLiteral("毎週")});
    repeat_->setCurrentIndex(values.repeat);
    form->addRow(QStringLiteral("繰り返し(&R):"), repeat_);
    by_ = new QComboBox(this);
    by_->addItems({QStringLiteral("日付で指定"), QStringLiteral("第何曜日で指定")});
    by_->setCurrentIndex(values.byWeekday ? 1 : 0);
    form->addRow(QStringLiteral("指定方法(&M):"), by_);

    auto* date = new QHBoxLayout;
    year_ =
        NumberBox(1900, 9999, values.year > 0 ? values.year : QDate::currentDate().year(), this);
    month_ = NumberBox(1, 12, values.month, this);
    day_ = NumberBox(1, 31, values.day, this);
    year_->setSuffix(QStringLiteral(" 年"));
    month_->setSuffix(QStringLiteral(" 月"));
    day_->setSuffix(QStringLiteral(" 日"));
    for (QSpinBox* box : {year_, month_, day_})
        date->addWidget(box);
    form->addRow(QStringLiteral("日付:"), date);

    auto* week = new QHBoxLayout;
    weekNo_ = new QComboBox(this);
    for (int n = 1; n <= 5; ++n)
        weekNo_->addItem(QString(QStringLiteral("第%1")).arg(n));
    weekNo_->setCurrentIndex(std::clamp(values.weekNo, 1, 5) - 1);
    dayOfWeek_ = new QComboBox(this);
    for (const char* name : kWeekdays)
        dayOfWeek_->addItem(QString::fromUtf8(name));
    dayOfWeek_->setCurrentIndex(std::clamp(values.dayOfWeek, 1, 7) - 1);
    week->addWidget(weekNo_);
    week->addWidget(dayOfWeek_);
    form->addRow(QStringLiteral("曜日:"), week);

    transfer_ =
        new QCheckBox(QStringLiteral("日曜日に当たる場合は翌日(月曜日)に振り替える(&T)"), this);
    transfer_->setChecked(values.transferBySunday);
    form->addRow(transfer_);
    force_ = new QCheckBox(QStringLiteral("この日を休日表示しない(稼働日とする)(&F)"), this);
    force_->setChecked(values.forceNotHoliday);
    form->addRow(force_);

    auto period = [this, form](const QString& label, const COleDateTime& day, QCheckBox*& has,
                               QDateEdit*& edit) {
        auto* row = new QHBoxLayout;
        has = new QCheckBox(label, this);
        has->setChecked(day.IsValid());
        edit = new QDateEdit(ToQDate(day), this);
        edit->setDisplayFormat(QStringLiteral("yyyy/MM/dd"));
        edit->setCalendarPopup(true);
        row->addWidget(has);
        row->addWidget(edit, 1);
        form->addRow(QStringLiteral("適用期間:"), row);
        connect(has, &QCheckBox::toggled, this, &HolidayRuleEditDialog::UpdateStates);
    };
    period(QStringLiteral("開始日(&S)"), values.startDate, hasStart_, start_);
    period(QStringLiteral("終了日(&E)"), values.endDate, hasEnd_, end_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);

    for (QComboBox* box : {repeat_, by_})
        connect(box, &QComboBox::currentIndexChanged, this, &HolidayRuleEditDialog::UpdateStates);
    UpdateStates();
}

HolidayRuleValues HolidayRuleEditDialog::Values() const {
    HolidayRuleValues values;
    values.name = name_->text().toStdString();
    values.repeat = repeat_->currentIndex();
    values.byWeekday = by_->currentIndex() == 1;
    values.year = year_->value();
    values.month = month_->value();
    values.day = day_->value();
    values.weekNo = weekNo_->currentIndex() + 1;
    values.dayOfWeek = dayOfWeek_->currentIndex() + 1;
    values.transferBySunday = values.CanTransfer() && transfer_->isChecked();
    values.forceNotHoliday = force_->isChecked();
    if (hasStart_->isChecked())
        values.startDate = FromQDate(start_->date());
    if (hasEnd_->isChecked())
        values.endDate = FromQDate(end_->date());
    return values;
}

std::unique_ptr<CHoliday> HolidayRuleEditDialog::Rule() const {
    return Values().ToRule();
}

// Only the fields the chosen kind of rule uses can be edited.
void HolidayRuleEditDialog::UpdateStates() {
    const HolidayRuleValues v = Values();
    const bool dated = v.repeat != HolidayRuleValues::kWeekly &&
                       !(v.byWeekday && v.repeat != HolidayRuleValues::kOnce);
    by_->setEnabled(v.repeat == HolidayRuleValues::kYearly ||
                    v.repeat == HolidayRuleValues::kMonthly);
    year_->setEnabled(v.repeat == HolidayRuleValues::kOnce);
    month_->setEnabled(v.repeat == HolidayRuleValues::kOnce ||
                       v.repeat == HolidayRuleValues::kYearly);
    day_->setEnabled(dated);
    weekNo_->setEnabled(!dated && v.repeat != HolidayRuleValues::kWeekly);
    dayOfWeek_->setEnabled(!dated);
    transfer_->setEnabled(v.CanTransfer());
    start_->setEnabled(hasStart_->isChecked());
    end_->setEnabled(hasEnd_->isChecked());
}

void HolidayRuleEditDialog::accept() {
    const std::string problem = HolidayRuleList::Problem(*Rule());
    if (!problem.empty()) {
        prompt_.Show({0, problem, PromptIcon::kWarning, PromptButtons::kOk});
        return;
    }
    QDialog::accept();
}

}  // namespace qb
