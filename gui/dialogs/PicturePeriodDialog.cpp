#include "PicturePeriodDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QMessageBox>
#include <QPushButton>
#include <cstdio>

#include "DateEntry.h"
#include "DateField.h"

namespace qb {
namespace {

QString Compact(const COleDateTime& day) {
    if (!day.IsValid())
        return QString();
    char text[16];
    std::snprintf(text, sizeof text, "%04d%02d%02d", day.GetYear(), day.GetMonth(), day.GetDay());
    return QString::fromLatin1(text);
}

COleDateTime DayOf(const DateField& field) {
    const std::string text = field.Text().trimmed().toStdString();
    const COleDateTime day =
        text.empty() ? COleDateTime::Null() : DateEntry::ParseCompactDate(text);
    return day.IsValid() ? day.DatePart() : COleDateTime::Null();
}

}  // namespace

PicturePeriodDialog::PicturePeriodDialog(const DatePeriod& period, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QString::fromUtf8("線表全体を画像としてコピー"));
    from_ = new DateField(Compact(period.from), this);
    to_ = new DateField(Compact(period.to), this);
    auto* form = new QFormLayout(this);
    form->addRow(QString::fromUtf8("開始日(&S):"), from_);
    form->addRow(QString::fromUtf8("終了日(&E):"), to_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setText(QString::fromUtf8("キャンセル"));
    connect(buttons, &QDialogButtonBox::accepted, this, &PicturePeriodDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
}

DatePeriod PicturePeriodDialog::Period() const {
    return DatePeriod{DayOf(*from_), DayOf(*to_)};
}

void PicturePeriodDialog::accept() {
    const DatePeriod period = Period();
    if (!period.from.IsValid() || !period.to.IsValid() || period.to < period.from) {
        QMessageBox::warning(this, windowTitle(),
                             QString::fromUtf8("日付の指定が前後しています。"));
        return;
    }
    QDialog::accept();
}

}  // namespace qb
