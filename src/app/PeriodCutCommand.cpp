#include "PeriodCutCommand.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <memory>
#include <optional>

#include "CDisplayModel.h"
#include "CMemo.h"
#include "CProject.h"
#include "CStatus.h"
#include "ChartAccess.h"
#include "ChartScene.h"
#include "CommandIds.h"
#include "EditSession.h"
#include "EditStamp.h"
#include "IDialogs.h"
#include "IdMask.h"
#include "PeriodCut.h"
#include "ProjectSnapshot.h"
#include "ScheduleFields.h"

namespace qb {
namespace {

// The days a selection covers, as linear day counts of their midnights.
struct Span {
    double first = HUGE_VAL;
    double last = -HUGE_VAL;

    void Add(const COleDateTime& date, std::int32_t offset) { Add(date, offset, date, offset); }
    // An end at a day's midnight closes the day before.
    void Add(const COleDateTime& start, std::int32_t startOffset, const COleDateTime& end,
             std::int32_t endOffset) {
        const double from = COleDateTime::ToLinear(start.GetDays()) + startOffset / 10000.0;
        const double to = COleDateTime::ToLinear(end.GetDays()) + endOffset / 10000.0;
        first = std::min(first, std::floor(from));
        last = std::max(last, to > from ? std::ceil(to) - 1 : std::floor(from));
    }
    bool Empty() const { return first > last; }
};

COleDateTime Day(double linear) {
    return COleDateTime(COleDateTime::FromLinear(linear), COleDateTime::valid);
}

Span SelectionSpan(const CProject& project, const CDisplayModel& model) {
    IdMask selected(project.GetLastObjectId());
    for (const std::uint32_t id : model.GetSelection())
        selected.Insert(static_cast<std::int32_t>(id));
    Span span;
    project.GetSchedules().ForEach([&](const CSchedule& schedule) {
        if (schedule.IsDeleted() || !selected.Contains(schedule.GetObjectId()) ||
            !schedule.GetStartDate().IsValid())
            return;
        if (schedule.GetScheduleType() == 0 && ScheduleFields::IsSet(schedule.GetEndDate()))
            span.Add(schedule.GetStartDate(), schedule.GetStartOffset(), schedule.GetEndDate(),
                     schedule.GetEndOffset());
        else
            span.Add(schedule.GetStartDate(), schedule.GetStartOffset());
    });
    project.GetDrawParts().ForEach([&](const CDrawPart& part) {
        const auto* memo = dynamic_cast<const CMemo*>(&part);
        if (memo && !memo->IsDeleted() && selected.Contains(memo->GetObjectId()) &&
            memo->GetXDate().IsValid())
            span.Add(memo->GetXDate(), memo->GetXOffset());
    });
    return span;
}

}  // namespace

bool PeriodCutCommand::Handles(int id) {
    switch (id) {
        case cmd::kPeriodDelete:
            return true;
        default:
            return false;
    }
}

CommandState PeriodCutCommand::State(int /*id*/) const {
    return {IsEnabled(), false, {}};
}

bool PeriodCutCommand::IsEnabled() const {
    auto& status = const_cast<CStatus&>(status_);
    return ChartAccess::Shown(status) != nullptr && ChartAccess::IsWritable(status) &&
           !status.IsShared();
}

PeriodCutValues PeriodCutCommand::Initial(ChartScene& chart) const {
    PeriodCutValues values;
    const Span span = SelectionSpan(*status_.GetProject(), chart.GetModel());
    if (!span.Empty()) {
        values.from = Day(span.first);
        values.to = Day(span.last);
        return values;
    }
    values.from = chart.LeftDate().DatePart();
    values.to = values.from.AddDays(6);
    return values;
}

// The dialog's values are tried on the project itself, so that the chart
// shows them; each try starts again from the content as it was before the
// dialog opened, and so do Cancel and OK.
bool PeriodCutCommand::Execute(int id) {
    ChartScene* chart = ChartAccess::Shown(status_);
    if (!Handles(id) || chart == nullptr || !IsEnabled())
        return false;
    CProject& project = *status_.GetProject();
    const std::unique_ptr<const ProjectSnapshot> before = ProjectSnapshot::Take(project);
    status_.Undo().RecordProvisional(project);
    const EditStamp stamp = status_.Edit().Stamp();
    bool tried = false;
    auto restore = [&] {
        if (tried)
            before->CopyTo(project);
        tried = false;
    };
    auto preview = [&](const std::optional<PeriodCutValues>& values) {
        restore();
        PeriodCutSummary summary;
        if (values && PeriodCut::IsValid(*values)) {
            summary = PeriodCut::Apply(project, *values, stamp);
            tried = true;
        }
        ChartAccess::Rebuild(status_, *chart);
        return summary;
    };
    const std::optional<PeriodCutValues> chosen =
        status_.Services().Dialogs().EditPeriodCut(Initial(*chart), preview);
    restore();
    if (!chosen || !PeriodCut::IsValid(*chosen)) {
        status_.Undo().DropNewest();
        ChartAccess::Rebuild(status_, *chart);
        return false;
    }
    PeriodCut::Apply(project, *chosen, stamp);
    status_.Undo().ClearProvisionalMark();
    status_.Edit().Commit();
    ChartAccess::Rebuild(status_, *chart);
    return true;
}

}  // namespace qb
