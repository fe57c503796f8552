#pragma once

#include <QWidget>

class QCalendarWidget;
class QLabel;
class QLineEdit;
class QToolButton;

namespace qb {

// A date entry of the property dialogs: the compact text the user types
// ("yyyymmdd", or "yyyymmddhhmm" with the time of day), the date it reads
// as in words beside it, and a button that drops down a calendar. Picking a
// day keeps a time already typed.
class DateField : public QWidget {
    Q_OBJECT

public:
    explicit DateField(const QString& text, QWidget* parent = nullptr);

    QString Text() const;
    void SetText(const QString& text);
    QLineEdit* Edit() const { return edit_; }
    QToolButton* DropButton() const { return drop_; }
    // The calendar the drop button shows (created on first use).
    QCalendarWidget* Calendar();

signals:
    void Changed();

private:
    void ShowCalendar();
    void Pick(const QDate& day);
    void UpdateWords();

    QLineEdit* edit_ = nullptr;
    QToolButton* drop_ = nullptr;
    QLabel* words_ = nullptr;
    QCalendarWidget* calendar_ = nullptr;
};

}  // namespace qb
