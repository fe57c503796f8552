#include "ViewCommands.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <optional>
#include <vector>

#include "AppMessage.h"
#include "CDisplayModel.h"
#include "CGuiColumnArray.h"
#include "CGuiRow.h"
#include "CRow.h"
#include "CRuler.h"
#include "CSchedule.h"
#include "CStatus.h"
#include "ChartScene.h"
#include "CommandIds.h"
#include "IDocumentView.h"
#include "IShell.h"
#include "RelatedTarget.h"

namespace qb {
namespace {

constexpr AppMessage kBadScrollDates{0, "日付が正しくありません。", PromptIcon::kWarning,
                                     PromptButtons::kOk};
constexpr AppMessage kScrollFromAfterTo{0, "開始日が終了日より後になっています。",
                                        PromptIcon::kWarning, PromptButtons::kOk};
constexpr AppMessage kScrollTooLong{0,
                                    "期間が長すぎます。現在の表示単位では、%d日以内にして下さい。",
                                    PromptIcon::kWarning, PromptButtons::kOk};
constexpr AppMessage kNoRelatedTarget{
    0,
    "関連情報を開けません。\r\nURL（http://、https://、file://）か、存在するファイルまたはフォ"
    "ルダを指定して下さい。\r\n%s",
    PromptIcon::kWarning, PromptButtons::kOk};
constexpr AppMessage kRelatedNotOpened{0, "関連情報を開けませんでした。\r\n%s",
                                       PromptIcon::kWarning, PromptButtons::kOk};

constexpr int kHandled[] = {cmd::kHide,         cmd::kShowBefore,  cmd::kShowAfter,
                            cmd::kShowBelow,    cmd::kShowAllRows, cmd::kShowAllColumns,
                            cmd::kFoldAll,      cmd::kUnfoldAll,   cmd::kFoldBelow,
                            cmd::kYearBack,     cmd::kMonthBack,   cmd::kToday,
                            cmd::kMonthForward, cmd::kYearForward, cmd::kLeftmost,
                            cmd::kRightmost,    cmd::kScrollRange, cmd::kOpenRelated,
                            cmd::kShowLeftColumn, cmd::kShowRightColumn};

constexpr const char* kFoldText = "この下の階層を折りたたむ(&-)";
constexpr const char* kUnfoldText = "この下の階層を展開する(&+)";

int DaysBetween(const COleDateTime& from, const COleDateTime& to) {
    return static_cast<int>(std::lround(to.DatePart().GetDays() - from.DatePart().GetDays()));
}

}  // namespace

bool ViewCommands::Handles(int id) {
    return std::find(std::begin(kHandled), std::end(kHandled), id) != std::end(kHandled);
}

CommandState ViewCommands::State(int id) const {
    CommandState state;
    ChartScene* chart = Chart();
    state.enabled = chart != nullptr && IsEnabled(id, *chart);
    if (id == cmd::kFoldBelow && chart != nullptr)
        state.label = FoldLabel(*chart);
    return state;
}

bool ViewCommands::Execute(int id) {
    ChartScene* chart = Chart();
    if (chart == nullptr || !IsEnabled(id, *chart))
        return false;
    if (id == cmd::kScrollRange)
        return ResetScrollRange(*chart);
    if (id == cmd::kOpenRelated)
        return OpenRelated(*chart);
    if (ExecuteOnRows(id, *chart)) {
        Changed(*chart, true);
        return true;
    }
    return Scroll(id, *chart);
}

ChartScene* ViewCommands::Chart() const {
    const int mode = status_.GetViewMode();
    if (!status_.HasDocument() || mode < CStatus::kDayView || mode > CStatus::kYearView)
        return nullptr;
    ChartScene* chart = status_.View().GetChartScene();
    return chart != nullptr && chart->IsOpen() ? chart : nullptr;
}

std::int32_t ViewCommands::SelectedRow(ChartScene& chart) const {
    CDisplayModel& model = chart.GetModel();
    for (const std::uint32_t id : model.GetSelection()) {
        if (model.FindRow(static_cast<std::int32_t>(id)) != nullptr)
            return static_cast<std::int32_t>(id);
    }
    return -1;
}

bool ViewCommands::IsEnabled(int id, ChartScene& chart) const {
    const CDisplayModel& model = chart.GetModel();
    const std::int32_t row = SelectedRow(chart);
    COleDateTime first;
    COleDateTime last;
    switch (id) {
        case cmd::kHide:
            return CanHide(chart);
        case cmd::kShowBefore:
            return model.CanShowPrevious(row);
        case cmd::kShowAfter:
            return model.CanShowNext(row);
        case cmd::kShowBelow:
            return model.CanShowBelow(row);
        case cmd::kShowAllRows:
            return model.CanShowAll();
        case cmd::kShowAllColumns:
            return model.HasHiddenColumns();
        case cmd::kShowLeftColumn:
            return HasHiddenNeighbour(chart, -1);
        case cmd::kShowRightColumn:
            return HasHiddenNeighbour(chart, 1);
        case cmd::kFoldAll:
            return model.CanFoldAny();
        case cmd::kUnfoldAll:
            return model.HasFolded();
        case cmd::kFoldBelow:
            return model.CanFold(row);
        case cmd::kLeftmost:
        case cmd::kRightmost:
            return chart.ScheduleSpan(first, last);
        case cmd::kOpenRelated:
            return !RelatedText(chart).empty();
        default:
            return Handles(id);
    }
}

// The selected rows and columns that are still shown, in an editable document.
bool ViewCommands::CanHide(ChartScene& chart) const {
    if (status_.Doc().IsReadOnly())
        return false;
    const CDisplayModel& model = chart.GetModel();
    for (const std::uint32_t key : model.GetSelection()) {
        const auto id = static_cast<std::int32_t>(key);
        const CGuiObject* object = model.FindObject(id);
        if (object == nullptr || object->IsHidden())
            continue;
        if (object->GetObjectType() == CGuiObject::kRow ||
            object->GetObjectType() == CGuiObject::kColumn)
            return true;
    }
    return false;
}

int ViewCommands::SelectedColumn(ChartScene& chart) const {
    const CDisplayModel& model = chart.GetModel();
    const CGuiColumnArray& columns = model.GetColumns();
    for (const std::uint32_t key : model.GetSelection()) {
        for (std::size_t i = 0; i < columns.Size(); ++i) {
            if (columns.At(i)->GetObjectId() == static_cast<std::int32_t>(key))
                return static_cast<int>(i);
        }
    }
    return -1;
}

bool ViewCommands::HasHiddenNeighbour(ChartScene& chart, int step) const {
    const int index = SelectedColumn(chart);
    const CGuiColumnArray& columns = chart.GetModel().GetColumns();
    const int neighbour = index + step;
    return index >= 0 && neighbour >= 0 && static_cast<std::size_t>(neighbour) < columns.Size() &&
           columns.At(static_cast<std::size_t>(neighbour))->IsHidden();
}

std::string ViewCommands::FoldLabel(ChartScene& chart) const {
    const std::int32_t row = SelectedRow(chart);
    return row >= 0 && chart.GetModel().IsFoldedId(row) ? kUnfoldText : kFoldText;
}

// The reference text of the first selected row or schedule that has one.
std::string ViewCommands::RelatedText(ChartScene& chart) const {
    const CDisplayModel& model = chart.GetModel();
    for (const std::uint32_t key : model.GetSelection()) {
        const CGuiObject* object = model.FindObject(static_cast<std::int32_t>(key));
        std::string text;
        if (const auto* row = dynamic_cast<const CGuiRow*>(object))
            text = std::string(row->GetRow().GetReference());
        else if (object != nullptr && object->GetObjectType() == CGuiObject::kSchedule)
            text = std::string(static_cast<const CSchedule*>(object->GetData())->GetReference());
        if (!text.empty())
            return text;
    }
    return {};
}

bool ViewCommands::ExecuteOnRows(int id, ChartScene& chart) {
    CDisplayModel& model = chart.GetModel();
    const std::int32_t row = SelectedRow(chart);
    switch (id) {
        case cmd::kHide:
            Hide(chart);
            return true;
        case cmd::kShowBefore:
            model.ShowPrevious(row);
            return true;
        case cmd::kShowAfter:
            model.ShowNext(row);
            return true;
        case cmd::kShowBelow:
            model.ShowBelow(row);
            return true;
        case cmd::kShowAllRows:
            model.ShowAll();
            return true;
        case cmd::kShowAllColumns:
            model.ShowAllColumns();
            return true;
        case cmd::kShowLeftColumn:
        case cmd::kShowRightColumn:
            model.ShowNeighbourColumn(SelectedColumn(chart),
                                      id == cmd::kShowLeftColumn ? -1 : 1);
            return true;
        case cmd::kFoldAll:
        case cmd::kUnfoldAll:
            model.SetAllFolded(id == cmd::kFoldAll);
            return true;
        case cmd::kFoldBelow:
            model.ToggleFold(row);
            return true;
        default:
            return false;
    }
}

// Hidden objects leave the selection; the row beside the last hidden one
// (the next, else the previous, else its parent) takes it, so that the
// commands that show it again apply at once.
void ViewCommands::Hide(ChartScene& chart) {
    CDisplayModel& model = chart.GetModel();
    const std::vector<std::uint32_t> selection = model.GetSelection();
    const CGuiRow* neighbour = nullptr;
    for (const std::uint32_t key : selection) {
        const auto id = static_cast<std::int32_t>(key);
        if (CGuiRow* row = model.FindRow(id)) {
            model.HideRow(id);
            const CGuiRow* next = row->NextSibling();
            const CGuiRow* previous = row->PrevSibling();
            neighbour = next != nullptr && !next->IsHidden()           ? next
                        : previous != nullptr && !previous->IsHidden() ? previous
                                                                       : row->GetParent();
        } else if (model.FindObject(id) != nullptr &&
                   model.FindObject(id)->GetObjectType() == CGuiObject::kColumn) {
            model.SetColumnHidden(id, true);
        } else {
            continue;
        }
        model.Deselect(id);
    }
    if (neighbour != nullptr && model.GetSelection().empty())
        model.Select(neighbour->GetObjectId(), false);
}

bool ViewCommands::Scroll(int id, ChartScene& chart) {
    const COleDateTime left = chart.LeftDate();
    COleDateTime first;
    COleDateTime last;
    switch (id) {
        case cmd::kYearBack:
        case cmd::kMonthBack:
        case cmd::kMonthForward:
        case cmd::kYearForward: {
            // The same day a month or a year away, or the month's last day
            // when that month is shorter.
            COleDateTime day = left.DatePart();
            const bool forward = id == cmd::kMonthForward || id == cmd::kYearForward;
            if (id == cmd::kMonthBack || id == cmd::kMonthForward)
                day.StepMonth(forward);
            else
                day.StepYear(forward);
            chart.ScrollLeftTo(day);
            break;
        }
        case cmd::kToday: {
            // The day before today at the left edge, so that today stands out.
            const COleDateTime today = chart.GetToday().GetDays() != 0.0
                                           ? chart.GetToday()
                                           : COleDateTime::GetCurrentTime();
            chart.ScrollLeftTo(today.DatePart().AddDays(-1));
            break;
        }
        case cmd::kLeftmost:
            chart.ScheduleSpan(first, last);
            chart.ScrollLeftTo(first);
            break;
        case cmd::kRightmost:
            JumpToLatestEnd(chart);
            break;
        default:
            return false;
    }
    Changed(chart, false);
    return true;
}

// The end of the last schedule's last day at the chart's right edge.
void ViewCommands::JumpToLatestEnd(ChartScene& chart) {
    COleDateTime first;
    COleDateTime last;
    chart.ScheduleSpan(first, last);
    const CRuler& ruler = chart.GetRuler();
    const int right = ruler.DateToX(last.AddDays(1));
    chart.ScrollHorizontally(right - chart.ChartWidth() - ruler.GetScrollPosition());
}

bool ViewCommands::ResetScrollRange(ChartScene& chart) {
    DatePeriod current;
    if (!chart.DefaultPeriod(current.from, current.to)) {
        current.from = chart.GetRuler().GetOrigin();
        current.to = chart.GetRuler().GetEnd();
    }
    const std::optional<DatePeriod> chosen = status_.Services().Dialogs().EditScrollRange(current);
    if (!chosen || !CheckScrollRange(chart, chosen->from, chosen->to))
        return false;
    chart.SetScrollPeriod(chosen->from, chosen->to);
    Changed(chart, false);
    return true;
}

// The ruler builds a limited number of pixels, so the longest period depends
// on the chart's scale.
bool ViewCommands::CheckScrollRange(const ChartScene& chart, const COleDateTime& from,
                                    const COleDateTime& to) {
    IPrompt& prompt = status_.Services().Prompt();
    if (!from.IsValid() || !to.IsValid()) {
        prompt.Show(kBadScrollDates.Plain());
        return false;
    }
    if (to.DatePart() < from.DatePart()) {
        prompt.Show(kScrollFromAfterTo.Plain());
        return false;
    }
    const double scale = chart.GetRuler().GetScale();
    const int maxDays =
        std::max(1, static_cast<int>(std::floor(CRuler::kMaxSpan / std::max(scale, 1e-9))) - 1);
    if (DaysBetween(from, to) + 1 > maxDays) {
        prompt.Show(kScrollTooLong.Format(maxDays));
        return false;
    }
    return true;
}

bool ViewCommands::OpenRelated(ChartScene& chart) {
    const std::string text = RelatedText(chart);
    const std::string& path = status_.Doc().Path();
    const std::string folder =
        path.empty() ? std::string() : std::filesystem::path(path).parent_path().string();
    const std::string target = RelatedTarget::Resolve(text, folder);
    IPrompt& prompt = status_.Services().Prompt();
    if (target.empty()) {
        prompt.Show(kNoRelatedTarget.Format(text));
        return false;
    }
    if (!status_.Services().Shell().Open(target)) {
        prompt.Show(kRelatedNotOpened.Format(target));
        return false;
    }
    return true;
}

void ViewCommands::Changed(ChartScene& chart, bool rows) {
    if (rows)
        chart.Relayout();
    status_.View().ChartViewChanged();
}

}  // namespace qb
