#include "DayEdit.h"

#include <QDate>
#include <QDateEdit>

namespace qb {
namespace {

const QDate kFirstDay(1900, 1, 1);
const QDate kLastDay(2200, 12, 31);

}  // namespace

QDateEdit* DayEdit::Create(const COleDateTime& day, QWidget* parent) {
    auto* edit = new QDateEdit(parent);
    edit->setDateRange(kFirstDay, kLastDay);
    edit->setCalendarPopup(true);
    edit->setDisplayFormat(QStringLiteral("yyyy/MM/dd"));
    edit->setDate(day.IsValid() ? QDate(day.GetYear(), day.GetMonth(), day.GetDay())
                                : QDate::currentDate());
    return edit;
}

COleDateTime DayEdit::Day(const QDateEdit& edit) {
    const QDate date = edit.date();
    return date.isValid() ? COleDateTime(date.year(), date.month(), date.day(), 0, 0, 0)
                          : COleDateTime::Invalid();
}

}  // namespace qb
