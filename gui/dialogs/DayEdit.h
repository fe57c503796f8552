#pragma once

#include "COleDateTime.h"

class QDateEdit;
class QWidget;

namespace qb {

// The date field of the dialogs that take a day: a calendar drop-down over
// the days the chart's ruler can show, written yyyy/MM/dd.
class DayEdit {
public:
    // Shows day, or today when day names none.
    static QDateEdit* Create(const COleDateTime& day, QWidget* parent);
    // The day the field shows, at midnight.
    static COleDateTime Day(const QDateEdit& edit);
};

}  // namespace qb
