#include "EditSession.h"

#include <string>
#include <unordered_set>

#include "AppMessages.h"
#include "BusyCursor.h"
#include "CFileAccessor.h"
#include "CMemo.h"
#include "CProject.h"
#include "CStatus.h"
#include "DiagnosticLog.h"
#include "EditStamp.h"
#include "IDocumentView.h"
#include "IPrompt.h"
#include "SystemError.h"

namespace qb {
namespace {

using IdSet = std::unordered_set<std::int32_t>;

// Rows reachable through live rows only: a row below a deleted row is gone
// with it.
void CollectLiveRows(const CRowArray& rows, IdSet& ids) {
    rows.ForEach([&ids](const CRow& row) {
        if (row.IsDeleted())
            return;
        ids.insert(row.GetObjectId());
        CollectLiveRows(row.GetChildren(), ids);
    });
}

template <class Array>
void CollectLive(const Array& array, IdSet& ids) {
    array.ForEach([&ids](const CData& element) {
        if (!element.IsDeleted())
            ids.insert(element.GetObjectId());
    });
}

PromptMessage WarningText(std::string text) {
    return {0, std::move(text), PromptIcon::kWarning, PromptButtons::kOk};
}

}  // namespace

EditStamp EditSession::Stamp() const {
    return EditStamp(status_.Settings().userName, COleDateTime::GetCurrentTime());
}

bool EditSession::LockProject() {
    CFileAccessor* accessor = status_.GetAccessor();
    return accessor == nullptr || accessor->Lock(status_.GetProject());
}

// In single mode this process keeps the file for the whole session; letting
// it go there would let another process take a document we still edit.
void EditSession::ReleaseIfShared() {
    CFileAccessor* accessor = status_.GetAccessor();
    if (accessor && status_.IsShared())
        accessor->Lock(nullptr);
}

void EditSession::DocumentChanged() {
    status_.View().DocumentChanged();
    status_.View().RefreshFrame();
}

bool EditSession::BeginEdit() {
    CProject* project = status_.GetProject();
    if (project == nullptr)
        return false;
    const bool single = !project->IsShared();
    bool locked = false;
    {
        BusyCursor busy(status_.Prompt(), true);
        if (single)
            status_.Undo().RecordProvisional(*project);
        locked = LockProject();
    }
    if (!locked) {
        if (single)
            status_.Undo().DropNewest();
        ReportAccessorError();
        return false;
    }
    if (!single)
        ConsistencySweep();
    status_.View().ClearSelection();
    status_.editOpen = true;
    return true;
}

bool EditSession::Commit() {
    if (status_.editOpen)
        return true;
    CProject* project = status_.GetProject();
    if (project == nullptr)
        return false;
    CFileAccessor* accessor = status_.GetAccessor();
    if (accessor && !accessor->Save(project, false)) {
        ReportAccessorError();
        return false;
    }
    status_.modified = !project->IsShared();
    return true;
}

void EditSession::EndEdit() {
    if (!status_.editOpen)
        return;
    status_.editOpen = false;
    Commit();
    status_.Undo().ClearProvisionalMark();
}

void EditSession::CancelEdit() {
    status_.editOpen = false;
    ReleaseIfShared();
    if (status_.Undo().IsProvisional())
        status_.Undo().DropNewest();
}

bool EditSession::BeginStep() {
    stepRecorded_ = false;
    CProject* project = status_.GetProject();
    if (project == nullptr)
        return false;
    if (status_.editOpen)
        return true;
    status_.Undo().Record(*project);
    stepRecorded_ = true;
    const bool locked = LockProject();
    if (!locked)
        ReportAccessorError();
    status_.View().ClearSelection();
    ConsistencySweep();
    if (!locked) {
        // Nothing was changed, so there is nothing to undo either.
        status_.Undo().DropNewest();
        stepRecorded_ = false;
    }
    return locked;
}

void EditSession::AbandonStep() {
    if (status_.editOpen)
        return;
    ReleaseIfShared();
    if (stepRecorded_)
        status_.Undo().DropNewest();
    stepRecorded_ = false;
}

std::optional<PromptMessage> EditSession::ErrorMessage(const ErrorSlot& error) {
    const std::uint32_t code = error.GetCode();
    if (code == ErrorSlot::kNone)
        return std::nullopt;
    if (code == SystemError::kSharingViolation)
        return messages::kLocked.Plain();
    if (code == ErrorSlot::kOwnError || code == ErrorSlot::kXmlError) {
        return error.GetMessage().empty() ? messages::kNoSystemText.Plain()
                                          : WarningText(error.GetMessage());
    }
    return WarningText(DiagnosticLog::SystemErrorText(code));
}

void EditSession::ReportAccessorError() {
    const CFileAccessor* accessor = status_.GetAccessor();
    if (accessor == nullptr)
        return;
    const std::optional<PromptMessage> message = ErrorMessage(accessor->GetError());
    if (!message)
        return;
    const std::uint32_t code = accessor->GetErrorCode();
    if (code != SystemError::kSharingViolation && code != ErrorSlot::kOwnError &&
        code != ErrorSlot::kXmlError)
        status_.Log().Append(message->text);
    status_.Prompt().Show(*message);
}

void EditSession::ConsistencySweep() {
    CProject* project = status_.GetProject();
    if (project == nullptr)
        return;
    const EditStamp stamp = Stamp();
    IdSet rows;
    CollectLiveRows(project->GetRows(), rows);
    project->GetSchedules().ForEach([&](CSchedule& schedule) {
        if (!schedule.IsDeleted() && !rows.contains(schedule.GetRowObjectId()))
            stamp.Deleted(schedule);
    });
    project->GetDrawParts().ForEach([&](CDrawPart& part) {
        auto* memo = dynamic_cast<CMemo*>(&part);
        if (memo && !memo->IsDeleted() && memo->GetYRowId() != CData::kNoObject &&
            !rows.contains(memo->GetYRowId())) {
            stamp.Deleted(*memo);
        }
    });
    IdSet ends = rows;
    CollectLive(project->GetSchedules(), ends);
    CollectLive(project->GetDrawParts(), ends);
    CollectLive(project->GetColumns(), ends);
    project->GetLinks().ForEach([&](CLink& link) {
        if (!link.IsDeleted() &&
            (!ends.contains(link.GetFromId()) || !ends.contains(link.GetToId()))) {
            stamp.Deleted(link);
        }
    });
}

bool EditSession::SwitchFileMode() {
    if (!status_.HasDocument())
        return false;
    const bool changed = status_.IsShared() ? ToSingleMode() : ToSharedMode();
    if (changed)
        DocumentChanged();
    return changed;
}

// The file stays held from here on, which is what keeps the others out; the
// new mode reaches the file with the next explicit save, so the document
// counts as modified until then.
bool EditSession::ToSingleMode() {
    if (status_.Prompt().Show(messages::kToSingleMode.Plain()) != PromptAnswer::kOk)
        return false;
    BusyCursor busy(status_.Prompt(), true);
    if (!LockProject()) {
        ReportAccessorError();
        return false;
    }
    CProject& project = *status_.GetProject();
    project.SetShared(false);
    Stamp().Changed(project);
    CFileAccessor* accessor = status_.GetAccessor();
    if (accessor && !accessor->Save(&project, false)) {
        ReportAccessorError();
        return false;
    }
    status_.modified = true;
    return true;
}

bool EditSession::ToSharedMode() {
    if (status_.path.empty()) {
        if (status_.Prompt().Show(messages::kSaveBeforeShared.Plain()) != PromptAnswer::kOk)
            return false;
        if (saveAs_)
            saveAs_();
        if (status_.path.empty() || status_.GetAccessor() == nullptr)
            return false;
    }
    if (status_.Prompt().Show(messages::kToSharedMode.Plain()) != PromptAnswer::kOk)
        return false;
    BusyCursor busy(status_.Prompt(), true);
    // Single mode holds the file already, so this reads nothing.
    LockProject();
    CProject& project = *status_.GetProject();
    if (status_.View().HasUnappliedPageInput())
        status_.View().ApplyPageInput(project);
    project.SetShared(true);
    Stamp().Changed(project);
    if (!status_.GetAccessor()->Save(&project, false)) {
        // The file does not say shared, so neither may the document.
        project.SetShared(false);
        ReportAccessorError();
        return false;
    }
    status_.modified = false;
    status_.Undo().Clear();
    return true;
}

void EditSession::RefreshFromFile() {
    if (!status_.HasDocument())
        return;
    if (status_.showingForeignData) {
        if (reopen_)
            reopen_();
        return;
    }
    if (!status_.IsShared())
        return;
    const bool showColumns = status_.Settings().showColumns;
    {
        BusyCursor busy(status_.Prompt(), true);
        if (LockProject()) {
            if (CFileAccessor* accessor = status_.GetAccessor())
                accessor->Lock(nullptr);
        } else {
            ReportAccessorError();
        }
    }
    ConsistencySweep();
    status_.GetProject()->SetDisplayColumns(showColumns);
    DocumentChanged();
}

}  // namespace qb
