#pragma once

#include <QDialog>

#include "DatePeriod.h"

class QDateEdit;

namespace qb {

// "スクロール範囲の再設定": the first and the last day the chart's
// horizontal scroll bar covers.
class ScrollRangeDialog : public QDialog {
    Q_OBJECT

public:
    explicit ScrollRangeDialog(const DatePeriod& period, QWidget* parent = nullptr);

    DatePeriod Period() const;
    QDateEdit* FromEdit() const { return from_; }
    QDateEdit* ToEdit() const { return to_; }

private:
    QDateEdit* from_ = nullptr;
    QDateEdit* to_ = nullptr;
};

}  // namespace qb
