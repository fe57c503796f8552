#pragma once

#include <QDialog>

#include "DatePeriod.h"

namespace qb {

class DateField;

// "線表全体を画像としてコピー": the first and last day of the chart picture.
// OK refuses a missing day or a period that runs backwards and stays open.
class PicturePeriodDialog : public QDialog {
    Q_OBJECT

public:
    explicit PicturePeriodDialog(const DatePeriod& period, QWidget* parent = nullptr);

    // Null ends for days that do not read.
    DatePeriod Period() const;
    DateField* FromField() const { return from_; }
    DateField* ToField() const { return to_; }
    void accept() override;

private:
    DateField* from_ = nullptr;
    DateField* to_ = nullptr;
};

}  // namespace qb
