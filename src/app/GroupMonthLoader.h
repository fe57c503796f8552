#pragma once

#include "COleDateTime.h"

namespace qb {

class Document;

// Reads the months of a linked Tallyframe group as the chart shows them:
// the window tells it the days in view whenever they change, and the months
// among them that were never tried are read into the document.
class GroupMonthLoader {
public:
    explicit GroupMonthLoader(Document& document) : document_(document) {}

    // The days from first to last are in view. True when a month file was
    // read; the document has then announced its changed content, so the
    // chart is rebuilt with the new schedules.
    bool PeriodShown(const COleDateTime& first, const COleDateTime& last);

private:
    Document& document_;
    // The rebuild that a read causes reports the period again.
    bool loading_ = false;
};

}  // namespace qb
