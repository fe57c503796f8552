#include "ScrollRangeDialog.h"

#include <QDate>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace qb {
namespace {

// The days the chart's ruler can show.
const QDate kFirstDay(1900, 1, 1);
const QDate kLastDay(2200, 12, 31);

QString Text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

QDateEdit* NewDateEdit(const COleDateTime& day, QWidget* parent) {
    auto* edit = new QDateEdit(parent);
    edit->setDateRange(kFirstDay, kLastDay);
    edit->setCalendarPopup(true);
    edit->setDisplayFormat(QStringLiteral("yyyy/MM/dd"));
    edit->setDate(day.IsValid() ? QDate(day.GetYear(), day.GetMonth(), day.GetDay())
                                : QDate::currentDate());
    return edit;
}

COleDateTime ToDay(const QDate& date) {
    return date.isValid() ? COleDateTime(date.year(), date.month(), date.day(), 0, 0, 0)
                          : COleDateTime::Invalid();
}

}  // namespace

ScrollRangeDialog::ScrollRangeDialog(const DatePeriod& period, QWidget* parent) : QDialog(parent) {
    setWindowTitle(Text("スクロール範囲の再設定"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(Text("横スクロールバーで表示できる期間を指定して下さい。"), this));
    auto* form = new QFormLayout();
    from_ = NewDateEdit(period.from, this);
    to_ = NewDateEdit(period.to, this);
    form->addRow(Text("開始日(&S)："), from_);
    form->addRow(Text("終了日(&E)："), to_);
    layout->addLayout(form);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

DatePeriod ScrollRangeDialog::Period() const {
    return DatePeriod{ToDay(from_->date()), ToDay(to_->date())};
}

}  // namespace qb
