#include "LightningDialog.h"

#include <QCheckBox>
#include <QDate>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "ColourButton.h"

namespace qb {
namespace {

QString Text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

QDate ToQDate(const COleDateTime& day) {
    return day.IsValid() ? QDate(day.GetYear(), day.GetMonth(), day.GetDay()) : QDate();
}

}  // namespace

LightningDialog::LightningDialog(const LightningValues& values, const COleDateTime& today,
                                 QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(Text("イナズマ線の設定"));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout();
    auto* dateRow = new QHBoxLayout();
    date_ = new QDateEdit(ToQDate(values.date), this);
    date_->setCalendarPopup(true);
    date_->setDisplayFormat(QStringLiteral("yyyy/MM/dd"));
    auto* todayButton = new QPushButton(Text("今日"), this);
    connect(todayButton, &QPushButton::clicked, this,
            [this, day = ToQDate(today)] { date_->setDate(day); });
    dateRow->addWidget(date_, 1);
    dateRow->addWidget(todayButton);
    form->addRow(Text("基準日："), dateRow);
    colour_ = new ColourButton(values.colour, this);
    form->addRow(Text("色："), colour_);
    width_ = new QSpinBox(this);
    width_->setRange(LightningValues::kMinWidth, LightningValues::kMaxWidth);
    width_->setValue(values.width);
    width_->setSuffix(Text(" ピクセル"));
    form->addRow(Text("太さ："), width_);
    layout->addLayout(form);
    show_ = new QCheckBox(Text("イナズマ線を表示する"), this);
    show_->setChecked(values.show);
    layout->addWidget(show_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

LightningValues LightningDialog::Values() const {
    LightningValues values;
    const QDate day = date_->date();
    values.date = COleDateTime(day.year(), day.month(), day.day(), 0, 0, 0);
    values.colour = colour_->Colour();
    values.width = width_->value();
    values.show = show_->isChecked();
    return values;
}

}  // namespace qb
