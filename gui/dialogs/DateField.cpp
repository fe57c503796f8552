#include "DateField.h"

#include <QCalendarWidget>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QToolButton>

#include "DateEntry.h"
#include "DateText.h"
#include "FormNumber.h"

namespace qb {
namespace {

// What the text reads as, or null when it names no day.
COleDateTime Read(const QString& text) {
    const std::string plain = FormNumber::Plain(text.toStdString());
    if (plain.size() != 8 && plain.size() != 12)
        return COleDateTime::Null();
    return DateEntry::ParseCompactDate(plain);
}

}  // namespace

DateField::DateField(const QString& text, QWidget* parent) : QWidget(parent) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    edit_ = new QLineEdit(text, this);
    edit_->setMaxLength(16);
    // Room for a date with its time of day.
    edit_->setMinimumWidth(edit_->fontMetrics().horizontalAdvance(QStringLiteral("000000000000")) +
                           12);
    edit_->setPlaceholderText(QStringLiteral("YYYYMMDD"));
    drop_ = new QToolButton(this);
    drop_->setArrowType(Qt::DownArrow);
    drop_->setToolTip(QString::fromUtf8("カレンダーから選ぶ"));
    words_ = new QLabel(this);
    words_->setMinimumWidth(
        words_->fontMetrics().horizontalAdvance(QString::fromUtf8("0000年00月00日(水) ..")));
    layout->addWidget(edit_, 1);
    layout->addWidget(drop_);
    layout->addWidget(words_);
    connect(edit_, &QLineEdit::textChanged, this, [this] {
        UpdateWords();
        emit Changed();
    });
    connect(drop_, &QToolButton::clicked, this, &DateField::ShowCalendar);
    UpdateWords();
}

QString DateField::Text() const {
    return edit_->text();
}

void DateField::SetText(const QString& text) {
    edit_->setText(text);
}

QCalendarWidget* DateField::Calendar() {
    if (calendar_ == nullptr) {
        calendar_ = new QCalendarWidget(this);
        calendar_->setWindowFlags(Qt::Popup);
        calendar_->setGridVisible(true);
        calendar_->setLocale(QLocale(QLocale::Japanese, QLocale::Japan));
        calendar_->setFirstDayOfWeek(Qt::Sunday);
        connect(calendar_, &QCalendarWidget::clicked, this, &DateField::Pick);
        connect(calendar_, &QCalendarWidget::activated, this, &DateField::Pick);
    }
    return calendar_;
}

void DateField::ShowCalendar() {
    QCalendarWidget* calendar = Calendar();
    const COleDateTime day = Read(edit_->text());
    calendar->setSelectedDate(day.IsValid() ? QDate(day.GetYear(), day.GetMonth(), day.GetDay())
                                            : QDate::currentDate());
    calendar->adjustSize();
    calendar->move(mapToGlobal(QPoint(0, height())));
    calendar->show();
    calendar->setFocus();
}

void DateField::Pick(const QDate& day) {
    const QString plain = QString::fromStdString(FormNumber::Plain(edit_->text().toStdString()));
    const QString time = plain.size() == 12 && Read(plain).IsValid() ? plain.mid(8) : QString();
    edit_->setText(day.toString(QStringLiteral("yyyyMMdd")) + time);
    if (calendar_ != nullptr)
        calendar_->hide();
}

void DateField::UpdateWords() {
    const COleDateTime day = Read(edit_->text());
    words_->setText(day.IsValid() ? QString::fromStdString(DateText::DateFieldText(day))
                                  : QString::fromUtf8("----年--月--日(－)"));
}

}  // namespace qb
