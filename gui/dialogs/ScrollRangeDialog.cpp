#include "ScrollRangeDialog.h"

#include <QDate>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "DayEdit.h"

namespace qb {
namespace {

QString Text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

}  // namespace

ScrollRangeDialog::ScrollRangeDialog(const DatePeriod& period, QWidget* parent) : QDialog(parent) {
    setWindowTitle(Text("スクロール範囲の再設定"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(Text("横スクロールバーで表示できる期間を指定して下さい。"), this));
    auto* form = new QFormLayout();
    from_ = DayEdit::Create(period.from, this);
    to_ = DayEdit::Create(period.to, this);
    form->addRow(Text("開始日(&S)："), from_);
    form->addRow(Text("終了日(&E)："), to_);
    layout->addLayout(form);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

DatePeriod ScrollRangeDialog::Period() const {
    return DatePeriod{DayEdit::Day(*from_), DayEdit::Day(*to_)};
}

}  // namespace qb
