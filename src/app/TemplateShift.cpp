#include "TemplateShift.h"

#include <cmath>

#include "CMemo.h"
#include "CProject.h"
#include "CSchedule.h"

namespace qb {
namespace {

bool IsSet(const COleDateTime& date) {
    return date.GetStatus() == COleDateTime::valid;
}

}  // namespace

COleDateTime TemplateShift::EarliestStart(const CProject& project) {
    COleDateTime earliest = COleDateTime::Null();
    const CScheduleArray& schedules = project.GetSchedules();
    for (int i = 0, n = schedules.GetCount(); i < n; ++i) {
        const CSchedule* schedule = schedules.At(i);
        if (!schedule || schedule->IsDeleted() || !IsSet(schedule->GetStartDate()))
            continue;
        if (!IsSet(earliest) || schedule->GetStartDate() < earliest)
            earliest = schedule->GetStartDate();
    }
    return earliest;
}

int TemplateShift::DaysTo(const CProject& project, const COleDateTime& newStart) {
    const COleDateTime earliest = EarliestStart(project);
    if (!IsSet(earliest) || !IsSet(newStart))
        return 0;
    return static_cast<int>(std::floor(newStart.GetDays()) - std::floor(earliest.GetDays()));
}

void TemplateShift::Apply(CProject& project, int days) {
    CScheduleArray& schedules = project.GetSchedules();
    for (int i = 0, n = schedules.GetCount(); i < n; ++i) {
        CSchedule* schedule = schedules.At(i);
        if (!schedule || schedule->IsDeleted())
            continue;
        if (IsSet(schedule->GetStartDate()))
            schedule->SetStartDate(schedule->GetStartDate().AddDays(days));
        if (IsSet(schedule->GetEndDate()))
            schedule->SetEndDate(schedule->GetEndDate().AddDays(days));
        schedule->SetActualStartDate(COleDateTime::Null());
        schedule->SetActualEndDate(COleDateTime::Null());
        schedule->SetProgressRate(-1);
    }
    CDrawPartArray& parts = project.GetDrawParts();
    for (int i = 0, n = parts.GetCount(); i < n; ++i) {
        auto* memo = dynamic_cast<CMemo*>(parts.At(i));
        if (memo && !memo->IsDeleted() && IsSet(memo->GetXDate()))
            memo->SetXDate(memo->GetXDate().AddDays(days));
    }
}

}  // namespace qb
