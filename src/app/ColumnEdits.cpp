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
    return Finish(std::move(result));
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
        return Abandon(messages::kTargetGone.Plain());
    if (!EditValues::Assign(*column, *copy, edit_.Stamp()))
        return Unchanged();
    return Finish(EditResult::Done());
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
        return Abandon(messages::kTargetGone.Plain());
    CColumnArray& columns = project.GetColumns();
    const int shownBefore = LiveIndex::Of(columns, *column);
    std::unique_ptr<CData> taken = columns.RemoveAt(columns.Find(column));
    columns.InsertAt(LiveIndex::Slot(columns, index), std::move(taken));
    if (LiveIndex::Of(columns, *column) == shownBefore)
        return Unchanged();
    edit_.Stamp().Changed(*column);
    return Finish(EditResult::Done());
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
        return Abandon(messages::kTargetGone.Plain());
    // Takes the column's text out of every row as well.
    DataRemoval::DeleteFound(project, *column, edit_.Stamp());
    return Finish(EditResult::Done());
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
        return Abandon(messages::kEditTargetGone.Plain());
    if (!ColumnKinds::IsFreeText(column->GetParamInt("_Auto", ColumnKinds::kFreeText)))
        return Abandon(kComputedColumn.Plain());
    CRow& row = *project.FindRow(rowId);
    const std::string name = CellName(columnId);
    const bool same =
        text.empty() ? !row.HasParam(name) : row.HasParam(name) && row.GetParam(name) == text;
    if (same)
        return Unchanged();
    if (text.empty())
        row.RemoveParam(name);
    else
        row.SetParam(name, text);
    edit_.Stamp().Changed(row);
    return Finish(EditResult::Done());
}

EditResult ColumnEdits::Abandon(const PromptMessage& refusal) {
    edit_.AbandonStep();
    return EditResult::Refused(refusal);
}

EditResult ColumnEdits::Unchanged() {
    edit_.AbandonStep();
    return EditResult::Done();
}

EditResult ColumnEdits::Finish(EditResult result) {
    return edit_.Commit() ? std::move(result) : EditResult::Failed();
}

}  // namespace qb
