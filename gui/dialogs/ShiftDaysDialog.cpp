#include "ShiftDaysDialog.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "DateEntry.h"
#include "DateField.h"
#include "DayShift.h"
#include "FormNumber.h"
#include "IPrompt.h"
#include "ValueText.h"

namespace qb {
namespace {

QString Text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

QString Compact(const std::optional<COleDateTime>& date) {
    if (!date || !date->IsValid())
        return {};
    return QString::asprintf("%04d%02d%02d", date->GetYear(), date->GetMonth(), date->GetDay());
}

COleDateTime Parse(const QString& text) {
    const std::string plain = FormNumber::Plain(text.toStdString());
    if (plain.size() != 8 && plain.size() != 12)
        return COleDateTime::Null();
    return DateEntry::ParseCompactDate(plain);
}

}  // namespace

ShiftDaysDialog::ShiftDaysDialog(const ShiftDaysValues& initial, IPrompt& prompt, QWidget* parent)
    : QDialog(parent), prompt_(prompt) {
    setWindowTitle(Text("値の指定"));
    auto* layout = new QVBoxLayout(this);
    auto* modes = new QButtonGroup(this);

    byDays_ = new QRadioButton(Text("日数を指定してずらす"), this);
    modes->addButton(byDays_);
    layout->addWidget(byDays_);
    auto* daysRow = new QHBoxLayout();
    daysRow->addSpacing(24);
    days_ = new QLineEdit(QString::fromStdString(initial.daysText), this);
    days_->setMaximumWidth(days_->fontMetrics().horizontalAdvance(QStringLiteral("00000000")) + 12);
    daysRow->addWidget(days_);
    daysRow->addWidget(new QLabel(Text("日間"), this));
    auto* directions = new QButtonGroup(this);
    left_ = new QRadioButton(Text("左へ（過去へ）ずらす"), this);
    right_ = new QRadioButton(Text("右へ（未来へ）ずらす"), this);
    directions->addButton(left_);
    directions->addButton(right_);
    daysRow->addWidget(left_);
    daysRow->addWidget(right_);
    daysRow->addStretch(1);
    layout->addLayout(daysRow);

    byDate_ = new QRadioButton(Text("日付を指定してずらす"), this);
    modes->addButton(byDate_);
    layout->addWidget(byDate_);
    auto* dateRow = new QHBoxLayout();
    dateRow->addSpacing(24);
    dateRow->addWidget(
        new QLabel(Text("選択された中で最も左の（早い）スケジュールの左端が"), this));
    layout->addLayout(dateRow);
    auto* targetRow = new QHBoxLayout();
    targetRow->addSpacing(24);
    target_ = new DateField(Compact(initial.targetDate), this);
    targetRow->addWidget(target_);
    targetRow->addWidget(new QLabel(Text("となるようにずらす"), this));
    targetRow->addStretch(1);
    layout->addLayout(targetRow);

    auto* actualsRow = new QHBoxLayout();
    auto* actualsLabel = new QLabel(Text("実績の扱い："), this);
    actuals_ = new QComboBox(this);
    for (const char* item :
         {"実績もずらす", "実績はずらさない", "実績はクリアする", "実績も進捗率もクリアする"})
        actuals_->addItem(Text(item));
    actualsLabel->setBuddy(actuals_);
    actualsRow->addWidget(actualsLabel);
    actualsRow->addWidget(actuals_, 1);
    layout->addLayout(actualsRow);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setText(Text("キャンセル"));
    connect(buttons, &QDialogButtonBox::accepted, this, &ShiftDaysDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &ShiftDaysDialog::reject);
    layout->addWidget(buttons);

    const bool byDays = initial.mode == ShiftDaysValues::Mode::kByDays;
    (byDays ? byDays_ : byDate_)->setChecked(true);
    (initial.left ? left_ : right_)->setChecked(true);
    actuals_->setCurrentIndex(static_cast<int>(initial.actuals) - 1);
    connect(byDays_, &QRadioButton::toggled, this, &ShiftDaysDialog::UpdateEnabled);
    UpdateEnabled();
    (byDays ? static_cast<QWidget*>(days_) : target_->Edit())->setFocus();
    days_->selectAll();
}

// The number and its direction go with the first mode, the date with the
// second.
void ShiftDaysDialog::UpdateEnabled() {
    const bool byDays = byDays_->isChecked();
    days_->setEnabled(byDays);
    left_->setEnabled(byDays);
    right_->setEnabled(byDays);
    target_->setEnabled(!byDays);
}

ShiftDaysValues ShiftDaysDialog::Values() const {
    ShiftDaysValues values;
    values.mode =
        byDays_->isChecked() ? ShiftDaysValues::Mode::kByDays : ShiftDaysValues::Mode::kToDate;
    values.daysText = days_->text().toStdString();
    values.left = left_->isChecked();
    const COleDateTime target = Parse(target_->Text());
    if (target.IsValid())
        values.targetDate = target;
    values.actuals = static_cast<ShiftDaysValues::Actuals>(actuals_->currentIndex() + 1);
    return values;
}

void ShiftDaysDialog::accept() {
    const ShiftDaysValues values = Values();
    if (values.mode == ShiftDaysValues::Mode::kByDays) {
        const std::int64_t typed = ValueText::Atoi(values.daysText);
        if (!DayShift::InRange(typed)) {
            Refuse(DayShift::kTooFar.text, days_);
            return;
        }
    } else if (!values.targetDate) {
        Refuse("日付を正しく入力して下さい。", target_->Edit());
        return;
    }
    QDialog::accept();
}

void ShiftDaysDialog::Refuse(const std::string& text, QWidget* focus) {
    prompt_.Show(PromptMessage{0, text, PromptIcon::kWarning, PromptButtons::kOk});
    focus->setFocus();
    if (auto* edit = qobject_cast<QLineEdit*>(focus))
        edit->selectAll();
}

}  // namespace qb
