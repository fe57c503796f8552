#include "PeriodCut.h"

#include <cstdint>

#include "CMemo.h"
#include "CProject.h"
#include "EditStamp.h"
#include "IdMask.h"
#include "ScheduleFields.h"

namespace qb {
namespace {

using Actuals = ShiftDaysValues::Actuals;

// The period as a stretch of the linear day count: from midnight of its
// first day up to midnight after its last.
struct Period {
    COleDateTime first;
    double begin = 0.0;
    double end = 0.0;
    int length = 0;
    bool cutOut = false;
};

Period MakePeriod(const PeriodCutValues& values) {
    Period period;
    period.first = values.from.DatePart();
    period.length = PeriodCut::Length(values);
    period.begin = COleDateTime::ToLinear(period.first.GetDays());
    period.end = period.begin + period.length;
    period.cutOut = values.action == PeriodCutValues::Action::kCutOut;
    return period;
}

// A date and its offset inside the day as one point of time.
double Position(const COleDateTime& date, std::int32_t offset) {
    return COleDateTime::ToLinear(date.GetDays()) + offset / 10000.0;
}

// Where a point of time lands when the period is cut out: after the period
// it moves left by its length, inside it goes to the period's first day.
void MapPoint(COleDateTime& date, std::int32_t& offset, const Period& period) {
    const double at = Position(date, offset);
    if (at < period.begin)
        return;
    if (at >= period.end) {
        date = date.AddDays(-period.length);
        return;
    }
    date = period.first;
    offset = 0;
}

enum class Fate { kKept, kDeleted, kMoved, kShortened };

// A date that holds a day: the zero date of a new schedule's actual dates
// means that none was given.
bool IsSet(const COleDateTime& date) {
    return ScheduleFields::IsSet(date);
}

// Only a bar or line with an end reaches beyond its start.
bool HasEnd(const CSchedule& schedule) {
    return schedule.GetScheduleType() == 0 && IsSet(schedule.GetEndDate());
}

Fate ScheduleFate(const CSchedule& schedule, const Period& period) {
    if (schedule.IsDeleted() || !schedule.GetStartDate().IsValid())
        return Fate::kKept;
    const double start = Position(schedule.GetStartDate(), schedule.GetStartOffset());
    const double end =
        HasEnd(schedule) ? Position(schedule.GetEndDate(), schedule.GetEndOffset()) : start;
    if (start >= period.begin && start < period.end && end <= period.end)
        return Fate::kDeleted;
    if (!period.cutOut || end <= period.begin)
        return Fate::kKept;
    return start >= period.end ? Fate::kMoved : Fate::kShortened;
}

const CMemo* LiveMemo(const CDrawPart* part) {
    const auto* memo = dynamic_cast<const CMemo*>(part);
    return memo && !memo->IsDeleted() && memo->GetXDate().IsValid() ? memo : nullptr;
}

void ClearActuals(CSchedule& schedule, Actuals actuals) {
    schedule.SetActualStartDate(COleDateTime::Null());
    schedule.SetActualEndDate(COleDateTime::Null());
    if (actuals == Actuals::kClearWithProgress)
        schedule.SetProgressRate(-1);
}

// Moved whole: the dates go left by the period's length, the actual dates
// as the shift of the selection treats them.
void MoveSchedule(CSchedule& schedule, const Period& period, Actuals actuals) {
    const int days = -period.length;
    schedule.SetStartDate(schedule.GetStartDate().AddDays(days));
    if (IsSet(schedule.GetEndDate()))
        schedule.SetEndDate(schedule.GetEndDate().AddDays(days));
    if (actuals == Actuals::kShift) {
        if (IsSet(schedule.GetActualStartDate()))
            schedule.SetActualStartDate(schedule.GetActualStartDate().AddDays(days));
        if (IsSet(schedule.GetActualEndDate()))
            schedule.SetActualEndDate(schedule.GetActualEndDate().AddDays(days));
    } else if (actuals != Actuals::kKeep) {
        ClearActuals(schedule, actuals);
    }
}

// Reaching into the period or across it: each end lands where the cut puts
// its point of time, and so do the actual dates when they move.
void ShortenSchedule(CSchedule& schedule, const Period& period, Actuals actuals) {
    COleDateTime date = schedule.GetStartDate();
    std::int32_t offset = schedule.GetStartOffset();
    MapPoint(date, offset, period);
    schedule.SetStartDate(date);
    schedule.SetStartOffset(offset);
    date = schedule.GetEndDate();
    offset = schedule.GetEndOffset();
    MapPoint(date, offset, period);
    schedule.SetEndDate(date);
    schedule.SetEndOffset(offset);
    if (actuals == Actuals::kShift) {
        if (IsSet(schedule.GetActualStartDate())) {
            date = schedule.GetActualStartDate();
            offset = schedule.GetActualStartOffset();
            MapPoint(date, offset, period);
            schedule.SetActualStartDate(date);
            schedule.SetActualStartOffset(offset);
        }
        if (IsSet(schedule.GetActualEndDate())) {
            date = schedule.GetActualEndDate();
            offset = schedule.GetActualEndOffset();
            MapPoint(date, offset, period);
            schedule.SetActualEndDate(date);
            schedule.SetActualEndOffset(offset);
        }
    } else if (actuals != Actuals::kKeep) {
        ClearActuals(schedule, actuals);
    }
}

}  // namespace

bool PeriodCut::IsValid(const PeriodCutValues& values) {
    return values.from.IsValid() && values.to.IsValid() &&
           values.from.DatePart() <= values.to.DatePart();
}

int PeriodCut::Length(const PeriodCutValues& values) {
    if (!IsValid(values))
        return 0;
    const COleDateTimeSpan span = values.to.DatePart() - values.from.DatePart();
    return static_cast<int>(span.GetTotalDays() + 0.5) + 1;
}

std::optional<PromptMessage> PeriodCut::Refusal(const PeriodCutValues& values) {
    if (!values.from.IsValid() || !values.to.IsValid())
        return PromptMessage{0, "日付を正しく指定して下さい。", PromptIcon::kWarning,
                             PromptButtons::kOk};
    if (!IsValid(values))
        return PromptMessage{0, "終了日には開始日と同じか、それより後の日付を指定して下さい。",
                             PromptIcon::kWarning, PromptButtons::kOk};
    return std::nullopt;
}

std::string PeriodCut::Describe(const PeriodCutSummary& summary, PeriodCutValues::Action action) {
    auto count = [](int n) { return " " + std::to_string(n) + "件"; };
    std::string text = "削除：スケジュール" + count(summary.deletedSchedules) + "、メモ" +
                       count(summary.deletedMemos) + "、リンク" + count(summary.deletedLinks);
    if (action == PeriodCutValues::Action::kCutOut) {
        text += "　移動：スケジュール" + count(summary.movedSchedules) + "、メモ" +
                count(summary.movedMemos) + "　短縮：スケジュール" +
                count(summary.shortenedSchedules);
    }
    return text;
}

PeriodCutSummary PeriodCut::Plan::Summary() const {
    PeriodCutSummary summary;
    summary.deletedSchedules = static_cast<int>(deletedSchedules.size());
    summary.deletedMemos = static_cast<int>(deletedMemos.size());
    summary.deletedLinks = static_cast<int>(deletedLinks.size());
    summary.movedSchedules = static_cast<int>(movedSchedules.size());
    summary.shortenedSchedules = static_cast<int>(shortenedSchedules.size());
    summary.movedMemos = static_cast<int>(movedMemos.size());
    return summary;
}

PeriodCut::Plan PeriodCut::MakePlan(const CProject& project, const PeriodCutValues& values) {
    Plan plan;
    if (!IsValid(values))
        return plan;
    const Period period = MakePeriod(values);
    IdMask gone(project.GetLastObjectId());
    const CScheduleArray& schedules = project.GetSchedules();
    for (int i = 0, n = schedules.GetCount(); i < n; ++i) {
        const CSchedule* schedule = schedules.At(i);
        if (schedule == nullptr)
            continue;
        switch (ScheduleFate(*schedule, period)) {
            case Fate::kDeleted:
                plan.deletedSchedules.push_back(i);
                gone.Insert(schedule->GetObjectId());
                break;
            case Fate::kMoved:
                plan.movedSchedules.push_back(i);
                break;
            case Fate::kShortened:
                plan.shortenedSchedules.push_back(i);
                break;
            case Fate::kKept:
                break;
        }
    }
    const CDrawPartArray& parts = project.GetDrawParts();
    for (int i = 0, n = parts.GetCount(); i < n; ++i) {
        const CMemo* memo = LiveMemo(parts.At(i));
        if (memo == nullptr)
            continue;
        const double at = Position(memo->GetXDate(), memo->GetXOffset());
        if (at >= period.begin && at < period.end) {
            plan.deletedMemos.push_back(i);
            gone.Insert(memo->GetObjectId());
        } else if (period.cutOut && at >= period.end) {
            plan.movedMemos.push_back(i);
        }
    }
    const CLinkArray& links = project.GetLinks();
    for (int i = 0, n = links.GetCount(); i < n; ++i) {
        const CLink* link = links.At(i);
        if (link && !link->IsDeleted() &&
            (gone.Contains(link->GetFromId()) || gone.Contains(link->GetToId())))
            plan.deletedLinks.push_back(i);
    }
    return plan;
}

PeriodCutSummary PeriodCut::Count(const CProject& project, const PeriodCutValues& values) {
    return MakePlan(project, values).Summary();
}

PeriodCutSummary PeriodCut::Apply(CProject& project, const PeriodCutValues& values,
                                  const EditStamp& stamp) {
    const Plan plan = MakePlan(project, values);
    const Period period = MakePeriod(values);
    CScheduleArray& schedules = project.GetSchedules();
    for (const int i : plan.deletedSchedules)
        stamp.Deleted(*schedules.At(i));
    for (const int i : plan.movedSchedules) {
        MoveSchedule(*schedules.At(i), period, values.actuals);
        stamp.Changed(*schedules.At(i));
    }
    for (const int i : plan.shortenedSchedules) {
        ShortenSchedule(*schedules.At(i), period, values.actuals);
        stamp.Changed(*schedules.At(i));
    }
    CDrawPartArray& parts = project.GetDrawParts();
    for (const int i : plan.deletedMemos)
        stamp.Deleted(*parts.At(i));
    for (const int i : plan.movedMemos) {
        auto& memo = static_cast<CMemo&>(*parts.At(i));
        memo.SetXDate(memo.GetXDate().AddDays(-period.length));
        stamp.Changed(memo);
    }
    for (const int i : plan.deletedLinks)
        stamp.Deleted(*project.GetLinks().At(i));
    return plan.Summary();
}

}  // namespace qb
