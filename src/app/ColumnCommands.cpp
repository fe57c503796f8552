#include "ColumnCommands.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "AppMessage.h"
#include "CColumn.h"
#include "CColumnArray.h"
#include "CDisplayModel.h"
#include "CGuiColumnArray.h"
#include "CGuiRow.h"
#include "CProject.h"
#include "CRow.h"
#include "CStatus.h"
#include "ChartAccess.h"
#include "ChartScene.h"
#include "ColumnEdits.h"
#include "ColumnKinds.h"
#include "CommandIds.h"
#include "EditResult.h"
#include "IDocumentView.h"
#include "LiveIndex.h"

namespace qb {
namespace {

constexpr AppMessage kConfirmDelete{
    0, "全ての段におけるこの列のデータが削除されます。よろしいですか？", PromptIcon::kQuestion,
    PromptButtons::kOkCancel};
constexpr AppMessage kFilteredColumn{189,
                                     "フィルタの条件に指定されている列のテキストを変更することは"
                                     "できません。フィルタを解除してから変更して下さい。",
                                     PromptIcon::kWarning, PromptButtons::kOk};

// What a new column starts with.
constexpr const char* kNewCaption = "新しい列";
constexpr int kNewWidth = 80;
constexpr CPenInfo kNewBorder{0, 1, 0x808080};

std::unique_ptr<CColumn> CopyOf(const CColumn& column) {
    auto copy = std::make_unique<CColumn>(column.GetObjectId());
    copy->Assign(column);
    return copy;
}

std::unique_ptr<CColumn> NewColumn() {
    auto column = std::make_unique<CColumn>(CData::kNoObject);
    column->SetCaption(kNewCaption);
    column->SetWidth(kNewWidth);
    column->SetVisible(true);
    column->SetHeaderFont(CFontInfo());
    column->SetDataFont(CFontInfo());
    column->SetHeaderFontColor(kBlack);
    column->SetDataFontColor(kBlack);
    column->SetRightLineCode(kNewBorder);
    column->SetParamInt("_Auto", ColumnKinds::kFreeText);
    return column;
}

int IndexOf(const CGuiColumnArray& columns, std::int32_t id) {
    for (std::size_t i = 0; i < columns.Size(); ++i) {
        if (columns.At(i)->GetObjectId() == id)
            return static_cast<int>(i);
    }
    return -1;
}

}  // namespace

bool ColumnCommands::Handles(int id) {
    return id == cmd::kInsertColumn;
}

bool ColumnCommands::Takes(int id) const {
    ChartScene* chart = ChartAccess::Shown(status_);
    if (chart == nullptr)
        return false;
    const CDisplayModel& model = chart->GetModel();
    switch (id) {
        case cmd::kProperties:
        case cmd::kDelete:
            return ChartAccess::OnlySelected(model, CGuiObject::kColumn);
        case cmd::kEditText:
            return ChartAccess::OnlySelected(model, CGuiObject::kRow) &&
                   CurrentColumn(model) != nullptr;
        default:
            return false;
    }
}

CommandState ColumnCommands::State(int id) const {
    ChartScene* chart = ChartAccess::Shown(status_);
    return {chart != nullptr && IsEnabled(id, *chart), false, {}};
}

bool ColumnCommands::Execute(int id) {
    ChartScene* chart = ChartAccess::Shown(status_);
    if (chart == nullptr || !IsEnabled(id, *chart))
        return false;
    switch (id) {
        case cmd::kInsertColumn:
            return Insert(*chart);
        case cmd::kProperties:
            return EditProperties(*chart);
        case cmd::kDelete:
            return Delete(*chart);
        case cmd::kEditText:
            return EditCell(*chart);
        default:
            return false;
    }
}

bool ColumnCommands::IsEnabled(int id, ChartScene& chart) const {
    if (!ChartAccess::IsWritable(status_))
        return false;
    const CDisplayModel& model = chart.GetModel();
    switch (id) {
        case cmd::kInsertColumn:
            return true;
        case cmd::kProperties:
        case cmd::kDelete:
            return SelectedColumn(model) != nullptr;
        case cmd::kEditText: {
            const CGuiColumn* column = CurrentColumn(model);
            return column != nullptr && ColumnKinds::IsFreeText(column->GetKind()) &&
                   ChartAccess::Selected(model, CGuiObject::kRow).size() == 1;
        }
        default:
            return false;
    }
}

CGuiColumn* ColumnCommands::SelectedColumn(const CDisplayModel& model) {
    const std::vector<std::int32_t> ids = ChartAccess::Selected(model, CGuiObject::kColumn);
    if (ids.size() != 1)
        return nullptr;
    return dynamic_cast<CGuiColumn*>(model.FindObject(ids.front()));
}

CGuiColumn* ColumnCommands::CurrentColumn(const CDisplayModel& model) {
    const int index = model.GetCurrentColumn();
    const CGuiColumnArray& columns = model.GetColumns();
    if (index < 0 || static_cast<std::size_t>(index) >= columns.Size())
        return nullptr;
    return columns.At(static_cast<std::size_t>(index));
}

int ColumnCommands::DataIndex(const CColumn& column) const {
    return LiveIndex::Of(status_.GetProject()->GetColumns(), column);
}

bool ColumnCommands::RefuseFiltered(const CDisplayModel& model, std::int32_t columnId) {
    if (!model.Filters().Has(columnId))
        return false;
    status_.Services().Prompt().Show(kFilteredColumn.Plain());
    return true;
}

// After the selected column, else at the end.
bool ColumnCommands::Insert(ChartScene& chart) {
    const CGuiColumn* selected = SelectedColumn(chart.GetModel());
    const int index = selected != nullptr ? DataIndex(selected->GetColumn()) + 1 : -1;
    const std::unique_ptr<CColumn> values = NewColumn();
    std::unique_ptr<CColumn> confirmed =
        status_.Services().Dialogs().EditColumn(*values, true, IDialogs::ObjectPreview());
    if (!confirmed)
        return false;
    const EditResult result = status_.ColumnEdit().AddColumn(*confirmed, index);
    const bool done = ChartAccess::Report(status_, result);
    ChartAccess::Rebuild(status_, chart);
    if (done)
        ChartAccess::SelectAlone(status_, chart, result.id);
    return done;
}

bool ColumnCommands::EditProperties(ChartScene& chart) {
    CDisplayModel& model = chart.GetModel();
    const std::int32_t id = SelectedColumn(model)->GetObjectId();
    const std::unique_ptr<CColumn> shown = CopyOf(SelectedColumn(model)->GetColumn());
    std::unique_ptr<CColumn> confirmed =
        status_.Services().Dialogs().EditColumn(*shown, false, Preview(chart, id));
    model.PreviewColumn(id, nullptr);
    if (!confirmed) {
        ChartAccess::Relayout(status_, chart);
        return false;
    }
    confirmed->SetObjectId(id);
    const bool done = ChartAccess::Report(status_, status_.ColumnEdit().ChangeColumn(*confirmed));
    ChartAccess::Rebuild(status_, chart);
    return done;
}

// The nearest shown column to the right takes the selection.
bool ColumnCommands::Delete(ChartScene& chart) {
    CDisplayModel& model = chart.GetModel();
    if (status_.Services().Prompt().Show(kConfirmDelete.Plain()) != PromptAnswer::kOk)
        return false;
    const CGuiColumn* column = SelectedColumn(model);
    const std::int32_t id = column->GetObjectId();
    const CGuiColumnArray& columns = model.GetColumns();
    const int next = columns.NearestVisible(IndexOf(columns, id), 1);
    const std::int32_t nextId =
        next >= 0 ? columns.At(static_cast<std::size_t>(next))->GetObjectId() : CData::kNoObject;
    const bool done = ChartAccess::Report(status_, status_.ColumnEdit().DeleteColumn(id));
    if (done)
        model.ClearSelection();
    ChartAccess::Rebuild(status_, chart);
    if (!done)
        return false;
    if (model.GetCurrentColumn() >= 0)
        model.SetCurrentColumn(IndexOf(model.GetColumns(), nextId));
    ChartAccess::SelectAlone(status_, chart, nextId);
    return true;
}

bool ColumnCommands::EditCell(ChartScene& chart) {
    const CDisplayModel& model = chart.GetModel();
    const std::int32_t columnId = CurrentColumn(model)->GetObjectId();
    if (RefuseFiltered(model, columnId))
        return false;
    const std::int32_t rowId = ChartAccess::Selected(model, CGuiObject::kRow).front();
    status_.View().EditCellText(rowId, columnId);
    return true;
}

bool ColumnCommands::CommitCellText(std::int32_t rowId, std::int32_t columnId,
                                    const std::string& text) {
    ChartScene* chart = ChartAccess::Shown(status_);
    if (chart == nullptr || !ChartAccess::IsWritable(status_))
        return false;
    const CDisplayModel& model = chart->GetModel();
    const auto* column = dynamic_cast<const CGuiColumn*>(model.FindObject(columnId));
    if (column == nullptr || !ColumnKinds::IsFreeText(column->GetKind()) ||
        RefuseFiltered(model, columnId))
        return false;
    if (const CGuiRow* row = model.FindRow(rowId);
        row != nullptr && row->GetRow().GetParam(ColumnEdits::CellName(columnId)) == text)
        return true;
    const bool done =
        ChartAccess::Report(status_, status_.ColumnEdit().SetCellText(rowId, columnId, text));
    ChartAccess::Rebuild(status_, *chart);
    return done;
}

bool ColumnCommands::CommitWidth(std::int32_t columnId, int width) {
    ChartScene* chart = ChartAccess::Shown(status_);
    if (chart == nullptr || !ChartAccess::IsWritable(status_))
        return false;
    const auto* column = dynamic_cast<const CGuiColumn*>(chart->GetModel().FindObject(columnId));
    if (column == nullptr)
        return false;
    const std::unique_ptr<CColumn> values = CopyOf(column->GetColumn());
    values->SetWidth(std::max(width, CGuiColumn::kMinWidth));
    bool done = true;
    if (values->GetWidth() != column->GetColumn().GetWidth())
        done = ChartAccess::Report(status_, status_.ColumnEdit().ChangeColumn(*values));
    ChartAccess::Rebuild(status_, *chart);
    return done;
}

// The index among the shown columns becomes one in the project's array,
// where deleted columns still take their places.
bool ColumnCommands::CommitMove(std::int32_t columnId, int index) {
    ChartScene* chart = ChartAccess::Shown(status_);
    if (chart == nullptr || !ChartAccess::IsWritable(status_) || index < 0)
        return false;
    const CGuiColumnArray& columns = chart->GetModel().GetColumns();
    const int from = IndexOf(columns, columnId);
    if (from < 0)
        return false;
    std::vector<const CGuiColumn*> others;
    for (std::size_t i = 0; i < columns.Size(); ++i) {
        if (columns.At(i)->GetObjectId() != columnId)
            others.push_back(columns.At(i));
    }
    if (index == from ||
        (index >= static_cast<int>(others.size()) && from == static_cast<int>(others.size()))) {
        ChartAccess::Rebuild(status_, *chart);
        return true;
    }
    const int moved = DataIndex(columns.At(static_cast<std::size_t>(from))->GetColumn());
    int target = status_.GetProject()->GetColumns().GetCount() - 1;
    if (index < static_cast<int>(others.size())) {
        target = DataIndex(others[static_cast<std::size_t>(index)]->GetColumn());
        if (moved < target)
            --target;
    }
    const bool done =
        ChartAccess::Report(status_, status_.ColumnEdit().MoveColumn(columnId, target));
    ChartAccess::Rebuild(status_, *chart);
    return done;
}

// The dialog's caption, font and colour drawn in the header while it is open.
IDialogs::ObjectPreview ColumnCommands::Preview(ChartScene& chart, std::int32_t columnId) {
    return [this, &chart, columnId](const CData* values) {
        chart.GetModel().PreviewColumn(columnId, dynamic_cast<const CColumn*>(values));
        ChartAccess::Relayout(status_, chart);
    };
}

}  // namespace qb
