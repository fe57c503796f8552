#pragma once

#include "COleDateTime.h"

namespace qb {

class CProject;

// What opening a project as a template does to its content: every schedule
// and every date-anchored memo moves by the same number of days, and the
// schedules lose their actual dates and progress.
class TemplateShift {
public:
    // The earliest start of a live schedule; null when there is none.
    static COleDateTime EarliestStart(const CProject& project);
    // The number of days that moves the earliest start to newStart.
    static int DaysTo(const CProject& project, const COleDateTime& newStart);
    static void Apply(CProject& project, int days);
};

}  // namespace qb
