#include "ChartCommands.h"

#include <algorithm>
#include <deque>
#include <memory>
#include <unordered_map>
#include <unordered_set>

#include "AppMessage.h"
#include "CDisplayModel.h"
#include "CGuiLink.h"
#include "CGuiMemo.h"
#include "CGuiRow.h"
#include "CGuiSchedule.h"
#include "CRuler.h"
#include "CStatus.h"
#include "ChartScene.h"
#include "CommandIds.h"
#include "DataRemoval.h"
#include "EditResult.h"
#include "IChartEdits.h"
#include "IDialogs.h"
#include "IDocumentView.h"

namespace qb {
namespace {

constexpr AppMessage kConfirmDelete{0, "削除します。よろしいですか？", PromptIcon::kQuestion,
                                    PromptButtons::kOkCancel};
constexpr AppMessage kNoLineForLink{0,
                                    "パレットダイアログバーで「線なし」が選択されている場合、リン"
                                    "クを作成することができません。",
                                    PromptIcon::kWarning, PromptButtons::kOk};

constexpr int kHandled[] = {cmd::kSelectAll,  cmd::kSelectLinked,   cmd::kDragSelect,
                            cmd::kDelete,     cmd::kEditText,       cmd::kProperties,
                            cmd::kInsertLink, cmd::kInsertSchedule, cmd::kMemoMode};

// Days a schedule inserted by the menu spans.
constexpr int kInsertedDays = 7;

bool IsChartObject(const CGuiObject& object) {
    const int type = object.GetObjectType();
    return type == CGuiObject::kSchedule || type == CGuiObject::kMemo || type == CGuiObject::kLink;
}

template <class Array, class F>
void ForEachIn(const Array& array, F&& f) {
    for (std::size_t i = 0; i < array.Size(); ++i)
        f(*array.Base(i));
}

}  // namespace

bool ChartCommands::Handles(int id) {
    return std::find(std::begin(kHandled), std::end(kHandled), id) != std::end(kHandled);
}

CommandState ChartCommands::State(int id) const {
    CommandState state;
    ChartScene* chart = Chart();
    state.enabled = chart != nullptr && IsEnabled(id, *chart);
    if (id == cmd::kDragSelect)
        state.checked = status_.GetEditMode() == CStatus::kDragSelectMode;
    if (id == cmd::kMemoMode)
        state.checked = status_.GetEditMode() == CStatus::kMemoInputMode;
    return state;
}

bool ChartCommands::Execute(int id) {
    ChartScene* chart = Chart();
    if (chart == nullptr || !IsEnabled(id, *chart))
        return false;
    switch (id) {
        case cmd::kSelectAll:
            SelectAll(*chart);
            return true;
        case cmd::kSelectLinked:
            SelectLinked(*chart);
            return true;
        case cmd::kDragSelect:
            return ToggleMode(CStatus::kDragSelectMode);
        case cmd::kMemoMode:
            return ToggleMode(CStatus::kMemoInputMode);
        case cmd::kDelete:
            return Delete(*chart);
        case cmd::kProperties:
            return EditProperties(*chart);
        case cmd::kEditText:
            status_.View().EditMemoText(SingleObject(*chart)->GetObjectId());
            return true;
        case cmd::kInsertLink:
            return BeginLink();
        case cmd::kInsertSchedule:
            return InsertSchedule(*chart);
        default:
            return false;
    }
}

ChartScene* ChartCommands::Chart() const {
    const int mode = status_.GetViewMode();
    if (!status_.HasDocument() || mode < CStatus::kDayView || mode > CStatus::kYearView)
        return nullptr;
    ChartScene* chart = status_.View().GetChartScene();
    return chart != nullptr && chart->IsOpen() ? chart : nullptr;
}

bool ChartCommands::IsWritable() const {
    return !status_.Doc().IsReadOnly();
}

bool ChartCommands::IsEnabled(int id, ChartScene& chart) const {
    const CDisplayModel& model = chart.GetModel();
    switch (id) {
        case cmd::kSelectAll:
            return !model.GetSchedules().Empty() || !model.GetMemos().Empty() ||
                   !model.GetLinks().Empty();
        case cmd::kSelectLinked:
            return !SelectedObjects(chart).empty();
        case cmd::kDragSelect:
            return true;
        case cmd::kMemoMode:
            return IsWritable();
        case cmd::kDelete:
            return IsWritable() && !SelectedObjects(chart).empty();
        case cmd::kProperties:
            return IsWritable() && SingleObject(chart) != nullptr;
        case cmd::kEditText:
            return IsWritable() && IsSingle(chart, CGuiObject::kMemo);
        case cmd::kInsertLink:
            return IsWritable() && IsSingle(chart, CGuiObject::kSchedule, CGuiObject::kMemo);
        case cmd::kInsertSchedule:
            return IsWritable() && InsertionRow(chart) != CData::kNoObject;
        default:
            return false;
    }
}

std::vector<std::int32_t> ChartCommands::SelectedObjects(ChartScene& chart) const {
    const CDisplayModel& model = chart.GetModel();
    std::vector<std::int32_t> ids;
    for (const std::uint32_t key : model.GetSelection()) {
        const auto id = static_cast<std::int32_t>(key);
        const CGuiObject* object = model.FindObject(id);
        if (object != nullptr && IsChartObject(*object))
            ids.push_back(id);
    }
    return ids;
}

CGuiObject* ChartCommands::SingleObject(ChartScene& chart) const {
    const std::vector<std::int32_t> ids = SelectedObjects(chart);
    return ids.size() == 1 ? chart.GetModel().FindObject(ids.front()) : nullptr;
}

bool ChartCommands::IsSingle(ChartScene& chart, int type1, int type2) const {
    const CGuiObject* object = SingleObject(chart);
    return object != nullptr && object->IsVisible() &&
           (object->GetObjectType() == type1 || object->GetObjectType() == type2);
}

std::int32_t ChartCommands::InsertionRow(ChartScene& chart) const {
    const CDisplayModel& model = chart.GetModel();
    for (const std::uint32_t key : model.GetSelection()) {
        const CGuiObject* object = model.FindObject(static_cast<std::int32_t>(key));
        if (object == nullptr || object->GetObjectType() == CGuiObject::kLink)
            continue;
        const std::int32_t row = object->GetObjectType() == CGuiObject::kRow
                                     ? object->GetObjectId()
                                     : DataRemoval::OwningRow(object->GetData());
        if (model.FindRow(row) != nullptr)
            return row;
    }
    return CData::kNoObject;
}

// Objects on folded or hidden rows too: the selection is by id.
void ChartCommands::SelectAll(ChartScene& chart) {
    CDisplayModel& model = chart.GetModel();
    std::vector<std::int32_t> ids;
    auto collect = [&](const CGuiObject& object) { ids.push_back(object.GetObjectId()); };
    ForEachIn(model.GetSchedules(), collect);
    ForEachIn(model.GetMemos(), collect);
    ForEachIn(model.GetLinks(), collect);
    model.ClearSelection();
    model.SelectMany(ids);
    status_.View().ChartViewChanged();
}

// Everything the selection reaches through links, either way and over any
// number of links, with the links it goes through.
void ChartCommands::SelectLinked(ChartScene& chart) {
    CDisplayModel& model = chart.GetModel();
    std::unordered_multimap<std::int32_t, const CLink*> linksAt;
    ForEachIn(model.GetLinks(), [&](const CGuiObject& object) {
        const auto* link = static_cast<const CLink*>(object.GetData());
        linksAt.emplace(link->GetFromId(), link);
        linksAt.emplace(link->GetToId(), link);
    });
    std::unordered_set<std::int32_t> reached;
    std::deque<std::int32_t> pending;
    auto reach = [&](std::int32_t id) {
        if (model.FindObject(id) != nullptr && reached.insert(id).second)
            pending.push_back(id);
    };
    for (const std::int32_t id : SelectedObjects(chart))
        reach(id);
    while (!pending.empty()) {
        const std::int32_t id = pending.front();
        pending.pop_front();
        if (const auto* self = dynamic_cast<const CLink*>(model.FindObject(id)->GetData())) {
            reach(self->GetFromId());
            reach(self->GetToId());
        }
        const auto [first, last] = linksAt.equal_range(id);
        for (auto it = first; it != last; ++it)
            reach(it->second->GetObjectId());
    }
    model.SelectMany(std::vector<std::int32_t>(reached.begin(), reached.end()));
    status_.View().ChartViewChanged();
}

// Turning one mode on turns the other off.
bool ChartCommands::ToggleMode(int mode) {
    status_.SetEditMode(status_.GetEditMode() == mode ? CStatus::kNormalMode : mode);
    return true;
}

bool ChartCommands::Delete(ChartScene& chart) {
    const std::vector<std::int32_t> ids = SelectedObjects(chart);
    if (ids.size() == 1 &&
        status_.Services().Prompt().Show(kConfirmDelete.Plain()) != PromptAnswer::kOk)
        return false;
    const bool done = Report(status_.ChartEdit().DeleteObjects(ids));
    if (done)
        chart.GetModel().ClearSelection();
    status_.View().ChartViewChanged();
    return done;
}

bool ChartCommands::EditProperties(ChartScene& chart) {
    const CGuiObject* object = SingleObject(chart);
    const std::int32_t id = object->GetObjectId();
    const CData& data = *object->GetData();
    IDialogs& dialogs = status_.Services().Dialogs();
    const IDialogs::ObjectPreview preview = Preview();
    std::unique_ptr<CData> confirmed;
    switch (object->GetObjectType()) {
        case CGuiObject::kSchedule:
            confirmed = dialogs.EditSchedule(static_cast<const CSchedule&>(data), preview);
            break;
        case CGuiObject::kLink:
            confirmed = dialogs.EditLink(static_cast<const CLink&>(data), preview);
            break;
        default:
            confirmed = dialogs.EditMemo(static_cast<const CMemo&>(data), preview);
            break;
    }
    // The chart shows the data again, whatever the dialog left behind.
    status_.View().PreviewObject(nullptr);
    if (!confirmed)
        return false;
    confirmed->SetObjectId(id);
    // A schedule whose dates moved by whole days may take its linked objects along.
    IChartEdits& edits = status_.ChartEdit();
    const bool done = Report(object->GetObjectType() == CGuiObject::kSchedule
                                 ? edits.MoveSchedule(*confirmed, false)
                                 : edits.ChangeObjects({confirmed.get()}));
    if (done)
        chart.GetModel().Select(id, false);
    status_.View().ChartViewChanged();
    return done;
}

bool ChartCommands::BeginLink() {
    if (status_.GetPalette().IsNoLine()) {
        status_.Services().Prompt().Show(kNoLineForLink.Plain());
        return false;
    }
    return status_.View().BeginLink();
}

// A new schedule from the palette on the chosen row, over the week from
// today when today is in view, else from the day at the chart's left edge.
bool ChartCommands::InsertSchedule(ChartScene& chart) {
    const std::int32_t row = InsertionRow(chart);
    const CRuler& ruler = chart.GetRuler();
    COleDateTime start = chart.LeftDate().DatePart();
    const COleDateTime last = ruler.XToDate(ruler.DateToX(start) + chart.ChartWidth() - 1);
    const COleDateTime today = chart.GetToday();
    if (today.IsValid() && today.DatePart() >= start && today.DatePart() <= last)
        start = today.DatePart();
    auto schedule = std::make_unique<CSchedule>(CData::kNoObject);
    status_.GetPalette().ApplyTo(*schedule);
    schedule->SetRowObjectId(row);
    schedule->SetStartDate(start);
    schedule->SetStartOffset(0);
    schedule->SetEndDate(start.AddDays(kInsertedDays));
    schedule->SetEndOffset(0);
    const IDialogs::ObjectPreview preview = Preview();
    std::unique_ptr<CSchedule> confirmed =
        status_.Services().Dialogs().EditSchedule(*schedule, preview);
    status_.View().PreviewObject(nullptr);
    if (!confirmed)
        return false;
    const EditResult result = status_.ChartEdit().AddObject(*confirmed);
    const bool done = Report(result);
    if (done)
        chart.GetModel().Select(result.id, false);
    status_.View().ChartViewChanged();
    return done;
}

// A dialog's values shown on the chart while it is open.
IDialogs::ObjectPreview ChartCommands::Preview() {
    return [this](const CData* values) { status_.View().PreviewObject(values); };
}

bool ChartCommands::Report(const EditResult& result) {
    if (result.message)
        status_.Services().Prompt().Show(*result.message);
    return result.ok;
}

}  // namespace qb
