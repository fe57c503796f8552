#include "DayShift.h"

#include <cmath>
#include <cstdlib>
#include <unordered_map>

#include "CMemo.h"
#include "CProject.h"
#include "CSchedule.h"
#include "Document.h"
#include "EditSession.h"
#include "EditStamp.h"
#include "ValueText.h"

namespace qb {
namespace {

using Actuals = ShiftDaysValues::Actuals;
using Found = std::unordered_map<std::int32_t, CData*>;

// The live schedules and memos among ids, found in one pass over each
// array: a selection of thousands in a large project stays quick.
Found FindMovable(const CProject& project, const std::vector<std::int32_t>& ids) {
    Found found;
    found.reserve(ids.size());
    for (const std::int32_t id : ids)
        found.emplace(id, nullptr);
    auto take = [&found](CData& object) {
        if (object.IsDeleted())
            return;
        auto it = found.find(object.GetObjectId());
        if (it != found.end() && it->second == nullptr)
            it->second = &object;
    };
    project.GetSchedules().ForEach(take);
    project.GetDrawParts().ForEach([&take](CDrawPart& part) {
        if (part.GetType() == CData::kMemo)
            take(part);
    });
    return found;
}

COleDateTime Later(const COleDateTime& date, int days) {
    return date.IsValid() ? date.AddDays(days) : date;
}

// The schedule's dates and actuals as asked; true when anything changed.
bool ShiftSchedule(CSchedule& schedule, int days, Actuals actuals) {
    const std::uint64_t before = schedule.GetChangeStamp();
    schedule.SetStartDate(Later(schedule.GetStartDate(), days));
    schedule.SetEndDate(Later(schedule.GetEndDate(), days));
    switch (actuals) {
        case Actuals::kShift:
            schedule.SetActualStartDate(Later(schedule.GetActualStartDate(), days));
            schedule.SetActualEndDate(Later(schedule.GetActualEndDate(), days));
            break;
        case Actuals::kKeep:
            break;
        case Actuals::kClear:
        case Actuals::kClearWithProgress:
            schedule.SetActualStartDate(COleDateTime::Null());
            schedule.SetActualEndDate(COleDateTime::Null());
            if (actuals == Actuals::kClearWithProgress)
                schedule.SetProgressRate(-1);
            break;
    }
    return schedule.GetChangeStamp() != before;
}

}  // namespace

COleDateTime DayShift::EarliestStartDay(const CProject& project,
                                        const std::vector<std::int32_t>& ids) {
    COleDateTime earliest = COleDateTime::Null();
    for (const auto& [id, object] : FindMovable(project, ids)) {
        const auto* schedule = dynamic_cast<const CSchedule*>(object);
        if (schedule == nullptr || !schedule->GetStartDate().IsValid())
            continue;
        if (!earliest.IsValid() || schedule->GetStartDate() < earliest)
            earliest = schedule->GetStartDate();
    }
    return earliest.IsValid() ? earliest.DatePart() : earliest;
}

std::int64_t DayShift::Days(const ShiftDaysValues& values, const CProject& project,
                            const std::vector<std::int32_t>& ids) {
    if (values.mode == ShiftDaysValues::Mode::kByDays) {
        const std::int64_t typed = ValueText::Atoi(values.daysText);
        return values.left ? -typed : typed;
    }
    const COleDateTime from = EarliestStartDay(project, ids);
    if (!values.targetDate || !values.targetDate->IsValid() || !from.IsValid())
        return 0;
    const double span = COleDateTime::ToLinear(values.targetDate->GetDays()) -
                        COleDateTime::ToLinear(from.GetDays());
    return static_cast<std::int64_t>(std::trunc(span));
}

bool DayShift::InRange(std::int64_t days) {
    return std::llabs(days) <= ShiftDaysValues::kMaxDays;
}

bool DayShift::StaysInCalendar(const CProject& project, const std::vector<std::int32_t>& ids,
                               int days, Actuals actuals) {
    const bool actualsMove = actuals == Actuals::kShift;
    auto stays = [days](const COleDateTime& date) {
        return !date.IsValid() || date.AddDays(days).IsValid();
    };
    for (const auto& [id, object] : FindMovable(project, ids)) {
        if (const auto* schedule = dynamic_cast<const CSchedule*>(object)) {
            if (!stays(schedule->GetStartDate()) || !stays(schedule->GetEndDate()))
                return false;
            if (actualsMove &&
                (!stays(schedule->GetActualStartDate()) || !stays(schedule->GetActualEndDate())))
                return false;
        } else if (object != nullptr && !stays(static_cast<const CMemo*>(object)->GetXDate())) {
            return false;
        }
    }
    return true;
}

int DayShift::Apply(CProject& project, const std::vector<std::int32_t>& ids, int days,
                    Actuals actuals, const EditStamp& stamp) {
    const Found found = FindMovable(project, ids);
    int changed = 0;
    for (const std::int32_t id : ids) {
        CData* object = found.at(id);
        if (object == nullptr)
            continue;
        bool moved = false;
        if (auto* schedule = dynamic_cast<CSchedule*>(object)) {
            moved = ShiftSchedule(*schedule, days, actuals);
        } else {
            auto& memo = static_cast<CMemo&>(*object);
            const COleDateTime before = memo.GetXDate();
            memo.SetXDate(Later(before, days));
            moved = !(memo.GetXDate() == before);
        }
        if (moved) {
            stamp.Changed(*object);
            ++changed;
        }
    }
    return changed;
}

EditResult DayShift::Run(Document& document, EditSession& edit,
                         const std::vector<std::int32_t>& ids, const ShiftDaysValues& values) {
    CProject* project = document.GetProject();
    if (project == nullptr)
        return EditResult::Failed();
    const std::int64_t days = Days(values, *project, ids);
    if (!InRange(days))
        return EditResult::Refused(kTooFar.Plain());
    if (!edit.BeginEdit())
        return EditResult::Failed();
    // The transaction may have read the project again from the file.
    CProject& current = *document.GetProject();
    if (!StaysInCalendar(current, ids, static_cast<int>(days), values.actuals)) {
        edit.CancelEdit();
        return EditResult::Refused(kOutOfCalendar.Plain());
    }
    const int changed = Apply(current, ids, static_cast<int>(days), values.actuals, edit.Stamp());
    if (changed == 0) {
        edit.CancelEdit();
        return EditResult::Done();
    }
    edit.EndEdit();
    return EditResult::Done();
}

}  // namespace qb
