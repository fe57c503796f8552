#include "RowEdits.h"

#include <string>

#include "AppMessages.h"
#include "AppServices.h"
#include "BusyCursor.h"
#include "CProject.h"
#include "DataRemoval.h"
#include "Document.h"
#include "EditSession.h"
#include "EditStamp.h"
#include "EditValues.h"
#include "LiveIndex.h"

namespace qb {
namespace {

// A row's cell texts are typed cell by cell: a copy of the row the user
// opened a dialog on must not bring back texts typed since.
bool IsCellName(std::string_view name) {
    return name.size() > 2 && name.starts_with("_c") &&
           name.find_first_not_of("0123456789", 2) == std::string_view::npos;
}

std::unique_ptr<CRow> NewRow(CProject& project, const CRow& values, const EditStamp& stamp) {
    auto row = std::make_unique<CRow>(project.NewObjectId());
    const std::int32_t id = row->GetObjectId();
    row->CopyFrom(values);
    row->SetObjectId(id);
    row->SetNotifyEnabled(false);
    PropertyMap params;
    values.GetParams(params);
    row->SetParams(params);
    row->SetModifier({});
    stamp.Created(*row);
    return row;
}

}  // namespace

bool RowEdits::IsInBranch(const CProject& project, std::int32_t rowId, std::int32_t ownerId) {
    for (const CRow* row = project.FindRow(ownerId); row; row = row->GetParentRow()) {
        if (row->GetObjectId() == rowId)
            return true;
    }
    return false;
}

CRowArray* RowEdits::Siblings(CProject& project, std::int32_t ownerId) {
    if (ownerId == CData::kNoObject)
        return &project.GetRows();
    if (!DataRemoval::IsLiveRow(project, ownerId))
        return nullptr;
    return &project.FindRow(ownerId)->GetChildren();
}

EditResult RowEdits::InsertRow(const CRow& values, std::int32_t ownerId, int index) {
    std::vector<std::unique_ptr<CRow>> one;
    one.push_back(std::unique_ptr<CRow>(static_cast<CRow*>(values.Clone().release())));
    EditResult result = InsertRows(one, ownerId, index);
    if (result.ok && !result.ids.empty())
        result.id = result.ids.front();
    return result;
}

EditResult RowEdits::InsertRows(const std::vector<std::unique_ptr<CRow>>& values,
                                std::int32_t ownerId, int index) {
    if (!document_.HasProject())
        return EditResult::Failed();
    if (values.empty())
        return EditResult::Done();
    // Own copies: a reload in shared mode replaces the project the values
    // may have come from.
    std::vector<std::unique_ptr<CData>> copies;
    for (const auto& value : values)
        copies.push_back(value->Clone());
    BusyCursor busy(services_.Prompt(), document_.IsShared());
    if (!edit_.BeginStep())
        return EditResult::Failed();
    CProject& project = *document_.GetProject();
    CRowArray* siblings = Siblings(project, ownerId);
    if (siblings == nullptr)
        return edit_.Refuse(messages::kParentRowGone.Plain());
    const EditStamp stamp = edit_.Stamp();
    const int position = LiveIndex::Slot(*siblings, index);
    EditResult result = EditResult::Done();
    for (std::size_t i = 0; i < copies.size(); ++i) {
        auto row = NewRow(project, static_cast<const CRow&>(*copies[i]), stamp);
        result.ids.push_back(row->GetObjectId());
        siblings->InsertAt(position + static_cast<int>(i), std::move(row));
    }
    result.id = result.ids.front();
    return edit_.Finish(std::move(result));
}

EditResult RowEdits::ChangeRows(const std::vector<const CRow*>& values) {
    if (!document_.HasProject())
        return EditResult::Failed();
    std::vector<std::unique_ptr<CData>> copies;
    for (const CRow* value : values) {
        if (value != nullptr)
            copies.push_back(value->Clone());
    }
    if (copies.empty())
        return EditResult::Done();
    BusyCursor busy(services_.Prompt(), document_.IsShared());
    if (!edit_.BeginStep())
        return EditResult::Failed();
    CProject& project = *document_.GetProject();
    for (const auto& copy : copies) {
        if (!DataRemoval::IsLiveRow(project, copy->GetObjectId())) {
            return edit_.Refuse(copies.size() == 1 ? messages::kTargetGone.Plain()
                                                   : messages::kSomeDraggedGone.Plain());
        }
    }
    const EditStamp stamp = edit_.Stamp();
    bool changed = false;
    for (const auto& copy : copies) {
        CRow& row = *project.FindRow(copy->GetObjectId());
        changed |= EditValues::Assign(row, *copy, stamp,
                                      [](std::string_view name) { return !IsCellName(name); });
    }
    return changed ? edit_.Finish(EditResult::Done()) : edit_.Unchanged();
}

EditResult RowEdits::MoveRow(std::int32_t rowId, std::int32_t ownerId, int index) {
    if (!document_.HasProject())
        return EditResult::Failed();
    BusyCursor busy(services_.Prompt(), document_.IsShared());
    if (!edit_.BeginStep())
        return EditResult::Failed();
    CProject& project = *document_.GetProject();
    if (!DataRemoval::IsLiveRow(project, rowId))
        return edit_.Refuse(messages::kTargetGone.Plain());
    CRowArray* target = Siblings(project, ownerId);
    if (target == nullptr)
        return edit_.Refuse(messages::kParentRowGone.Plain());
    if (IsInBranch(project, rowId, ownerId))
        return edit_.Refuse(messages::kMoveIntoOwnBranch.Plain());
    CRow* row = project.FindRow(rowId);
    CRowArray& holder = *row->GetHolder();
    const int shownBefore = LiveIndex::Of(holder, *row);
    std::unique_ptr<CData> taken = holder.RemoveAt(holder.Find(row));
    target->InsertAt(LiveIndex::Slot(*target, index), std::move(taken));
    if (&holder == target && LiveIndex::Of(holder, *row) == shownBefore)
        return edit_.Unchanged();
    edit_.Stamp().Changed(*row);
    return edit_.Finish(EditResult::Done());
}

EditResult RowEdits::SetCaption(std::int32_t rowId, const std::string& caption) {
    if (!document_.HasProject())
        return EditResult::Failed();
    BusyCursor busy(services_.Prompt(), document_.IsShared());
    if (!edit_.BeginStep())
        return EditResult::Failed();
    CProject& project = *document_.GetProject();
    if (!DataRemoval::IsLiveRow(project, rowId))
        return edit_.Refuse(messages::kEditTargetGone.Plain());
    CRow& row = *project.FindRow(rowId);
    if (row.GetCaption() == caption)
        return edit_.Unchanged();
    row.SetCaption(caption);
    edit_.Stamp().Changed(row);
    return edit_.Finish(EditResult::Done());
}

}  // namespace qb
