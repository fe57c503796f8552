#include "ColumnEdits.h"

#include <algorithm>

#include "AppMessage.h"
#include "AppMessages.h"
#include "AppServices.h"
#include "BusyCursor.h"
#include "CProject.h"
#include "ColumnKinds.h"
#include "DataRemoval.h"
#include "Document.h"
#include "EditSession.h"
#include "EditStamp.h"
#include "EditValues.h"
#include "LiveIndex.h"

namespace qb {
namespace {

constexpr AppMessage kComputedColumn{
    0, "この列のテキストは段のスケジュールから求められるため、編集できません。",
    PromptIcon::kWarning, PromptButtons::kOk};

CColumn* LiveColumn(const CProject& project, std::int32_t id) {
    CColumn* column = project.GetColumns().FindById(id);
    return column && !column->IsDeleted() ? column : nullptr;
}

void KeepWidth(CColumn& column) {
    column.SetWidth(std::max(column.GetWidth(), ColumnEdits::kMinWidth));
}

}  // namespace

std::string ColumnEdits::CellName(std::int32_t columnId) {
    return "_c" + std::to_string(columnId);
}

EditResult ColumnEdits::AddColumn(const CColumn& values, int index) {
    if (!document_.HasProject())
        return EditResult::Failed();
    const std::unique_ptr<CData> copy = values.Clone();
    BusyCursor busy(services_.Prompt(), document_.IsShared());
    if (!edit_.BeginStep())
        return EditResult::Failed();
    CProject& project = *document_.GetProject();
    auto column = std::make_unique<CColumn>(project.NewObjectId());
    const std::int32_t id = column->GetObjectId();
    column->CopyFrom(*copy);
    column->SetObjectId(id);
    column->SetNotifyEnabled(false);
    PropertyMap params;
    copy->GetParams(params);
    column->SetParams(params);
    column->SetModifier({});
    KeepWidth(*column);
    edit_.Stamp().Created(*column);
    CColumnArray& columns = project.GetColumns();
    columns.InsertAt(LiveIndex::Slot(columns, index), std::move(column));
    EditResult result = EditResult::Done(id);
    result.ids.push_back(id);
    return edit_.Finish(std::move(result));
}

EditResult ColumnEdits::ChangeColumn(const CColumn& values) {
    if (!document_.HasProject())
        return EditResult::Failed();
    const std::unique_ptr<CData> copy = values.Clone();
    KeepWidth(static_cast<CColumn&>(*copy));
    BusyCursor busy(services_.Prompt(), document_.IsShared());
    if (!edit_.BeginStep())
        return EditResult::Failed();
    CColumn* column = LiveColumn(*document_.GetProject(), copy->GetObjectId());
    if (column == nullptr)
        return edit_.Refuse(messages::kTargetGone.Plain());
    if (!EditValues::Assign(*column, *copy, edit_.Stamp()))
        return edit_.Unchanged();
    return edit_.Finish(EditResult::Done());
}

EditResult ColumnEdits::MoveColumn(std::int32_t columnId, int index) {
    if (!document_.HasProject())
        return EditResult::Failed();
    BusyCursor busy(services_.Prompt(), document_.IsShared());
    if (!edit_.BeginStep())
        return EditResult::Failed();
    CProject& project = *document_.GetProject();
    CColumn* column = LiveColumn(project, columnId);
    if (column == nullptr)
        return edit_.Refuse(messages::kTargetGone.Plain());
    CColumnArray& columns = project.GetColumns();
    const int shownBefore = LiveIndex::Of(columns, *column);
    std::unique_ptr<CData> taken = columns.RemoveAt(columns.Find(column));
    columns.InsertAt(LiveIndex::Slot(columns, index), std::move(taken));
    if (LiveIndex::Of(columns, *column) == shownBefore)
        return edit_.Unchanged();
    edit_.Stamp().Changed(*column);
    return edit_.Finish(EditResult::Done());
}

EditResult ColumnEdits::DeleteColumn(std::int32_t columnId) {
    if (!document_.HasProject())
        return EditResult::Failed();
    BusyCursor busy(services_.Prompt(), document_.IsShared());
    if (!edit_.BeginStep())
        return EditResult::Failed();
    CProject& project = *document_.GetProject();
    CColumn* column = LiveColumn(project, columnId);
    if (column == nullptr)
        return edit_.Refuse(messages::kTargetGone.Plain());
    // Takes the column's text out of every row as well.
    DataRemoval::DeleteFound(project, *column, edit_.Stamp());
    return edit_.Finish(EditResult::Done());
}

EditResult ColumnEdits::SetCellText(std::int32_t rowId, std::int32_t columnId,
                                    const std::string& text) {
    if (!document_.HasProject())
        return EditResult::Failed();
    BusyCursor busy(services_.Prompt(), document_.IsShared());
    if (!edit_.BeginStep())
        return EditResult::Failed();
    CProject& project = *document_.GetProject();
    const CColumn* column = LiveColumn(project, columnId);
    if (!DataRemoval::IsLiveRow(project, rowId) || column == nullptr)
        return edit_.Refuse(messages::kEditTargetGone.Plain());
    if (!ColumnKinds::IsFreeText(column->GetParamInt("_Auto", ColumnKinds::kFreeText)))
        return edit_.Refuse(kComputedColumn.Plain());
    CRow& row = *project.FindRow(rowId);
    const std::string name = CellName(columnId);
    const bool same =
        text.empty() ? !row.HasParam(name) : row.HasParam(name) && row.GetParam(name) == text;
    if (same)
        return edit_.Unchanged();
    if (text.empty())
        row.RemoveParam(name);
    else
        row.SetParam(name, text);
    edit_.Stamp().Changed(row);
    return edit_.Finish(EditResult::Done());
}

}  // namespace qb
