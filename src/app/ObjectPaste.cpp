#include "ObjectPaste.h"

#include <stdexcept>
#include <unordered_map>

#include "AppMessage.h"
#include "AppMessages.h"
#include "AppServices.h"
#include "BusyCursor.h"
#include "CDisplayModel.h"
#include "CGuiRow.h"
#include "CLink.h"
#include "CMemo.h"
#include "CProject.h"
#include "CRuler.h"
#include "CSchedule.h"
#include "CStatus.h"
#include "ChartAccess.h"
#include "ChartContext.h"
#include "ChartScene.h"
#include "DataRemoval.h"
#include "DateOffset.h"
#include "EditSession.h"
#include "EditStamp.h"
#include "IDocumentView.h"
#include "ScheduleFields.h"
#include "ScheduleGeometry.h"

namespace qb {
namespace {

constexpr AppMessage kSomeBelowLastRow{
    0, "一番下の段よりはみ出るなどして、貼り付けできなかったオブジェクトがあります。",
    PromptIcon::kWarning, PromptButtons::kOk};
constexpr AppMessage kAllBelowLastRow{0,
                                      "一番下の段よりはみ出るなどして、貼り付けできませんでした。",
                                      PromptIcon::kWarning, PromptButtons::kOk};
constexpr AppMessage kOntoSummaryRow{
    0,
    "貼り付け位置がサマリー表示になっているために、貼り付け後に見えないオブジェクトが生じます（"
    "サマリーモードを解除すれば見えます）。続行しますか？",
    PromptIcon::kQuestion, PromptButtons::kOkCancel};

DateOffset StartOf(const CSchedule& schedule) {
    return DateOffset(schedule.GetStartDate().DatePart(), schedule.GetStartOffset());
}

// The row under y, or null below the last row and above the first.
const CGuiRow* RowUnder(const CDisplayModel& model, int y) {
    if (y < 0 || y >= model.TotalHeight())
        return nullptr;
    return model.RowAt(y);
}

bool IsSummaryRow(const CGuiRow& row, const ChartContext& chart) {
    return chart.summaryMode &&
           (row.IsFolded() || (chart.model->IsIndentMode() && row.HasChildren()));
}

// A moment kept by whole days carries no time in its date.
COleDateTime DateOf(const DateOffset& position, bool byDay) {
    return byDay ? position.date.DatePart() : position.ToDateTime();
}

// Where a position lands when its place on the chart moves to x: the day
// and offset under x, with what the chart's pixels cannot show of the old
// position kept, so that a move by whole days keeps offsets and times.
DateOffset Landed(const DateOffset& old, int x, int gap, const TimeScale& scale) {
    const DateOffset shown = scale.XToDateOffset(scale.DateOffsetToX(old));
    DateOffset landed = scale.XToDateOffset(x - gap);
    landed.offset +=
        static_cast<int>((old.date - shown.date).GetDays()) * DateOffset::kOffsetsPerDay +
        old.offset - shown.offset;
    landed.Normalise();
    return landed;
}

// The schedule with its start where its left lands, its end as far from the
// start as before.
void MoveSchedule(CSchedule& schedule, int left, const TimeScale& scale) {
    const ScheduleFields fields = ScheduleFields::FromSchedule(schedule);
    // Point shapes are drawn around their day: keep the same gap to it.
    const DrawRect bar = ScheduleGeometry(fields, scale).Bar(0);
    const DateOffset oldStart = StartOf(schedule);
    const DateOffset start =
        Landed(oldStart, left, bar.left - scale.DateOffsetToX(oldStart), scale);
    const bool byDay = schedule.IsByDay();
    if (ScheduleFields::IsSet(schedule.GetEndDate())) {
        const COleDateTimeSpan days = schedule.GetEndDate().DatePart() - oldStart.date;
        DateOffset end = start;
        end.Add(days, schedule.GetEndOffset() - oldStart.offset);
        schedule.SetEndDate(DateOf(end, byDay));
        schedule.SetEndOffset(end.offset);
    }
    schedule.SetStartDate(DateOf(start, byDay));
    schedule.SetStartOffset(start.offset);
}

// The top of the bar above its row's top, less the offset the data holds.
int BarTopGap(const CSchedule& schedule, const TimeScale& scale) {
    const ScheduleFields fields = ScheduleFields::FromSchedule(schedule);
    return ScheduleGeometry(fields, scale).Bar(0).top - schedule.GetYOffset();
}

// Every link must come after its two ends.
void CheckLinkEnds(const std::vector<std::unique_ptr<CData>>& values) {
    std::unordered_map<std::int32_t, bool> seen;
    for (const auto& value : values) {
        const auto* link = dynamic_cast<const CLink*>(value.get());
        if (link != nullptr && (!seen.count(link->GetFromId()) || !seen.count(link->GetToId())))
            throw std::invalid_argument("a pasted link's end is not pasted before it");
        seen[value->GetObjectId()] = true;
    }
}

}  // namespace

ObjectPaste::Placement ObjectPaste::Place(const std::vector<ClipboardObject>& objects, DrawPoint at,
                                          const ChartContext& chart) {
    Placement placement;
    if (objects.empty() || chart.model == nullptr || chart.ruler == nullptr)
        return placement;
    const DrawPoint first = objects.front().position;
    const TimeScale& scale = chart.ruler->GetTimeScale();
    std::unordered_map<std::int32_t, bool> landed;
    std::vector<const ClipboardObject*> links;
    for (const ClipboardObject& object : objects) {
        const int type = object.data->GetType();
        if (type == CData::kLink) {
            links.push_back(&object);
            continue;
        }
        const int left = at.x + (object.position.x - first.x);
        const int top = at.y + (object.position.y - first.y);
        const CGuiRow* row = RowUnder(*chart.model, top);
        landed[object.data->GetObjectId()] = row != nullptr;
        if (row == nullptr) {
            ++placement.dropped;
            continue;
        }
        placement.onSummaryRow = placement.onSummaryRow || IsSummaryRow(*row, chart);
        std::unique_ptr<CData> value = object.data->Clone();
        const int rowTop = row->GetRect().top;
        if (auto* schedule = dynamic_cast<CSchedule*>(value.get())) {
            const int gap = BarTopGap(*schedule, scale);
            MoveSchedule(*schedule, left, scale);
            schedule->SetRowObjectId(row->GetObjectId());
            schedule->SetYOffset(top - rowTop - gap);
        } else if (auto* memo = dynamic_cast<CMemo*>(value.get())) {
            const DateOffset old(memo->GetXDate().DatePart(), memo->GetXOffset());
            const DateOffset position = Landed(old, left, 0, scale);
            memo->SetXDate(position.date.DatePart());
            memo->SetXOffset(position.offset);
            memo->SetYRowId(row->GetObjectId());
            memo->SetYOffset(top - rowTop);
        } else {
            // Nothing else lives on the chart.
            landed[object.data->GetObjectId()] = false;
            ++placement.dropped;
            continue;
        }
        placement.values.push_back(std::move(value));
    }
    for (const ClipboardObject* object : links) {
        const auto& link = static_cast<const CLink&>(*object->data);
        if (landed[link.GetFromId()] && landed[link.GetToId()])
            placement.values.push_back(link.Clone());
    }
    return placement;
}

bool ObjectPaste::Paste(const std::vector<ClipboardObject>& objects, ChartScene& chart) {
    Placement placement = Place(objects, Target(chart), chart.Context());
    if (!AskAndTell(placement))
        return false;
    const EditResult result = Add(std::move(placement.values));
    if (!ChartAccess::Report(status_, result))
        return false;
    ChartAccess::Rebuild(status_, chart);
    CDisplayModel& model = chart.GetModel();
    model.ClearSelection();
    model.SelectMany(result.ids);
    status_.View().ChartViewChanged();
    if (placement.dropped > 0)
        status_.Services().Prompt().Show(kSomeBelowLastRow.Plain());
    return true;
}

DrawPoint ObjectPaste::Target(ChartScene& chart) const {
    if (const std::optional<DrawPoint> point = status_.View().PastePoint())
        return *point;
    return DrawPoint{chart.GetRuler().GetScrollPosition(), chart.GetTop()};
}

bool ObjectPaste::AskAndTell(const Placement& placement) const {
    IPrompt& prompt = status_.Services().Prompt();
    if (placement.values.empty()) {
        prompt.Show(kAllBelowLastRow.Plain());
        return false;
    }
    return !placement.onSummaryRow || prompt.Show(kOntoSummaryRow.Plain()) == PromptAnswer::kOk;
}

EditResult ObjectPaste::Add(std::vector<std::unique_ptr<CData>> values) {
    Document& document = status_.Doc();
    if (values.empty() || !document.HasProject())
        return EditResult::Done();
    CheckLinkEnds(values);
    BusyCursor busy(status_.Services().Prompt(), document.IsShared());
    EditSession& edit = status_.Edit();
    if (!edit.BeginStep())
        return EditResult::Failed();
    CProject& project = *document.GetProject();
    // The rows were found on the chart before the file was taken.
    for (const auto& value : values) {
        const std::int32_t row = DataRemoval::OwningRow(value.get());
        if (value->GetType() != CData::kLink && !DataRemoval::IsLiveRow(project, row))
            return edit.Refuse(messages::kRowGone.Plain());
    }
    const EditStamp stamp = edit.Stamp();
    std::unordered_map<std::int32_t, std::int32_t> newIds;
    EditResult result = EditResult::Done();
    for (auto& value : values) {
        std::unique_ptr<CData> object = std::move(value);
        const std::int32_t id = project.NewObjectId();
        newIds[object->GetObjectId()] = id;
        object->SetObjectId(id);
        // A copy is a new, live object, whatever the block said of it.
        object->SetDeleted(false);
        object->SetModifier({});
        stamp.Created(*object);
        if (auto* link = dynamic_cast<CLink*>(object.get())) {
            link->SetFromId(newIds.at(link->GetFromId()));
            link->SetToId(newIds.at(link->GetToId()));
            project.GetLinks().Add(std::move(object));
        } else if (object->GetType() == CData::kSchedule) {
            project.GetSchedules().Add(std::move(object));
        } else {
            project.GetDrawParts().Add(std::move(object));
        }
        result.ids.push_back(id);
    }
    result.id = result.ids.front();
    return edit.Finish(std::move(result));
}

}  // namespace qb
