#include "EditSession.h"

#include <string>

#include "AppMessages.h"
#include "AppServices.h"
#include "BusyCursor.h"
#include "CFileAccessor.h"
#include "CMemo.h"
#include "CProject.h"
#include "CProjectFile.h"
#include "DiagnosticLog.h"
#include "Document.h"
#include "EditStamp.h"
#include "IDocumentView.h"
#include "IPrompt.h"
#include "IdMask.h"
#include "SystemError.h"
#include "UndoHistory.h"
#include "ViewLink.h"

namespace qb {
namespace {

using IdSet = IdMask;

// Rows reachable through live rows only: a row below a deleted row is gone
// with it.
void CollectLiveRows(const CRowArray& rows, IdSet& ids) {
    rows.ForEach([&ids](const CRow& row) {
        if (row.IsDeleted())
            return;
        ids.Insert(row.GetObjectId());
        CollectLiveRows(row.GetChildren(), ids);
    });
}

template <class Array>
void CollectLive(const Array& array, IdSet& ids) {
    array.ForEach([&ids](const CData& element) {
        if (!element.IsDeleted())
            ids.Insert(element.GetObjectId());
    });
}

PromptMessage WarningText(std::string text) {
    return {0, std::move(text), PromptIcon::kWarning, PromptButtons::kOk};
}

}  // namespace

EditStamp EditSession::Stamp() const {
    return EditStamp(services_.Settings().userName, COleDateTime::GetCurrentTime());
}

bool EditSession::LockProject() {
    CFileAccessor* accessor = document_.GetAccessor();
    if (accessor == nullptr || accessor->Lock(document_.GetProject()))
        return true;
    // A reload that failed half-way leaves the project emptied or partly
    // read: nothing may keep showing what it held before.
    document_.ContentChanged();
    return false;
}

// In single mode this process keeps the file for the whole session; letting
// it go there would let another process take a document we still edit.
void EditSession::ReleaseIfShared() {
    CFileAccessor* accessor = document_.GetAccessor();
    if (accessor && document_.IsShared())
        accessor->Lock(nullptr);
}

bool EditSession::BeginEdit(std::string undoName) {
    CProject* project = document_.GetProject();
    if (project == nullptr)
        return false;
    const bool single = !project->IsShared();
    bool locked = false;
    {
        BusyCursor busy(services_.Prompt(), true);
        if (single)
            undo_.RecordProvisional(*project, std::move(undoName));
        locked = LockProject();
    }
    if (!locked) {
        if (single)
            undo_.DropNewest();
        ReportAccessorError();
        return false;
    }
    if (!single)
        ConsistencySweep();
    view_.View().ClearSelection();
    open_ = true;
    return true;
}

bool EditSession::Commit() {
    CProject* project = document_.GetProject();
    if (project == nullptr)
        return false;
    bool saved = true;
    if (!open_) {
        CFileAccessor* accessor = document_.GetAccessor();
        saved = accessor == nullptr || accessor->Save(project, false);
        if (saved) {
            document_.MarkModified(!project->IsShared());
        } else {
            ReportAccessorError();
            ReleaseIfShared();
        }
    }
    // The project changed in memory whether or not the file took it.
    document_.ContentChanged();
    return saved;
}

void EditSession::EndEdit() {
    if (!open_)
        return;
    open_ = false;
    Commit();
    undo_.ClearProvisionalMark();
}

void EditSession::CancelEdit() {
    open_ = false;
    ReleaseIfShared();
    if (undo_.IsProvisional())
        undo_.DropNewest();
}

bool EditSession::BeginStep() {
    stepRecorded_ = false;
    CProject* project = document_.GetProject();
    if (project == nullptr)
        return false;
    if (open_)
        return true;
    undo_.Record(*project);
    stepRecorded_ = true;
    const bool locked = LockProject();
    if (!locked)
        ReportAccessorError();
    view_.View().ClearSelection();
    ConsistencySweep();
    if (!locked) {
        // Nothing was changed, so there is nothing to undo either.
        undo_.DropNewest();
        stepRecorded_ = false;
    }
    return locked;
}

void EditSession::AbandonStep() {
    if (!open_) {
        ReleaseIfShared();
        if (stepRecorded_)
            undo_.DropNewest();
        stepRecorded_ = false;
    }
    // The step reloaded the project before it found its target gone.
    document_.ContentChanged();
}

std::optional<PromptMessage> EditSession::ErrorMessage(const ErrorSlot& error) {
    const std::uint32_t code = error.GetCode();
    if (code == ErrorSlot::kNone)
        return std::nullopt;
    // The file's handle adds who holds the file when it can tell.
    if (code == SystemError::kSharingViolation) {
        PromptMessage locked = messages::kLocked.Plain();
        if (!error.GetMessage().empty())
            locked.text = error.GetMessage();
        return locked;
    }
    if (code == ErrorSlot::kOwnError || code == ErrorSlot::kXmlError) {
        return error.GetMessage().empty() ? messages::kNoSystemText.Plain()
                                          : WarningText(error.GetMessage());
    }
    return WarningText(DiagnosticLog::SystemErrorText(code));
}

void EditSession::ReportAccessorError() {
    const CFileAccessor* accessor = document_.GetAccessor();
    if (accessor == nullptr)
        return;
    const std::optional<PromptMessage> message = ErrorMessage(accessor->GetError());
    if (!message)
        return;
    const std::uint32_t code = accessor->GetErrorCode();
    if (code != SystemError::kSharingViolation && code != ErrorSlot::kOwnError &&
        code != ErrorSlot::kXmlError)
        services_.Log().Append(message->text);
    services_.Prompt().Show(*message);
}

void EditSession::ConsistencySweep() {
    if (CProject* project = document_.GetProject())
        Sweep(*project);
}

void EditSession::Sweep(CProject& project) const {
    const EditStamp stamp = Stamp();
    IdSet rows(project.GetLastObjectId());
    CollectLiveRows(project.GetRows(), rows);
    project.GetSchedules().ForEach([&](CSchedule& schedule) {
        if (!schedule.IsDeleted() && !rows.Contains(schedule.GetRowObjectId()))
            stamp.Deleted(schedule);
    });
    project.GetDrawParts().ForEach([&](CDrawPart& part) {
        auto* memo = dynamic_cast<CMemo*>(&part);
        if (memo && !memo->IsDeleted() && memo->GetYRowId() != CData::kNoObject &&
            !rows.Contains(memo->GetYRowId())) {
            stamp.Deleted(*memo);
        }
    });
    IdSet ends = rows;  // rows are link ends too
    CollectLive(project.GetSchedules(), ends);
    CollectLive(project.GetDrawParts(), ends);
    CollectLive(project.GetColumns(), ends);
    project.GetLinks().ForEach([&](CLink& link) {
        if (!link.IsDeleted() &&
            (!ends.Contains(link.GetFromId()) || !ends.Contains(link.GetToId()))) {
            stamp.Deleted(link);
        }
    });
}

bool EditSession::SwitchFileMode() {
    if (!document_.HasProject())
        return false;
    const bool changed = document_.IsShared() ? ToSingleMode() : ToSharedMode();
    document_.ContentChanged();
    return changed;
}

// The file stays held from here on, which is what keeps the others out; the
// new mode reaches the file with the next explicit save, so the document
// counts as modified until then.
bool EditSession::ToSingleMode() {
    if (services_.Prompt().Show(messages::kToSingleMode.Plain()) != PromptAnswer::kOk)
        return false;
    BusyCursor busy(services_.Prompt(), true);
    if (!LockProject()) {
        ReportAccessorError();
        return false;
    }
    CProject& project = *document_.GetProject();
    project.SetShared(false);
    Stamp().Changed(project);
    CFileAccessor* accessor = document_.GetAccessor();
    if (accessor && !accessor->Save(&project, false)) {
        ReportAccessorError();
        return false;
    }
    document_.MarkModified(true);
    return true;
}

bool EditSession::ToSharedMode() {
    if (document_.Path().empty()) {
        if (services_.Prompt().Show(messages::kSaveBeforeShared.Plain()) != PromptAnswer::kOk)
            return false;
        if (saveAs_)
            saveAs_();
        if (document_.Path().empty() || document_.GetAccessor() == nullptr)
            return false;
    }
    // Single mode holds the file, so its lock has just been tried.
    if (std::optional<std::string> risk = SharingRisk()) {
        services_.Prompt().Show(messages::kSharedModeUnsafe.Format(*risk));
        return false;
    }
    if (services_.Prompt().Show(messages::kToSharedMode.Plain()) != PromptAnswer::kOk)
        return false;
    BusyCursor busy(services_.Prompt(), true);
    // Single mode holds the file already, so this reads nothing.
    LockProject();
    CProject& project = *document_.GetProject();
    if (view_.View().HasUnappliedPageInput())
        view_.View().ApplyPageInput(project);
    project.SetShared(true);
    Stamp().Changed(project);
    if (!document_.GetAccessor()->Save(&project, false)) {
        // The file does not say shared, so neither may the document.
        project.SetShared(false);
        ReportAccessorError();
        return false;
    }
    document_.MarkModified(false);
    undo_.Clear();
    return true;
}

std::optional<std::string> EditSession::SharingRisk() const {
    const auto* file = dynamic_cast<const CProjectFile*>(document_.GetAccessor());
    if (file == nullptr || file->GetLockScope().Protects())
        return std::nullopt;
    const FileLock::Scope& scope = file->GetLockScope();
    const AppMessage& reason = scope.reach == FileLock::Reach::kNotSupported
                                   ? messages::kLockNotSupported
                                   : messages::kLockThisComputer;
    return reason.Format(scope.fileSystem).text;
}

void EditSession::WarnIfUnprotected() {
    if (!document_.IsShared())
        return;
    if (std::optional<std::string> risk = SharingRisk())
        services_.Prompt().Show(messages::kSharedFileUnsafe.Format(*risk));
}

void EditSession::RefreshFromFile() {
    if (!document_.HasProject())
        return;
    if (document_.ShowsForeignData()) {
        if (reopen_)
            reopen_();
        return;
    }
    if (!document_.IsShared())
        return;
    const bool showColumns = services_.Settings().showColumns;
    {
        BusyCursor busy(services_.Prompt(), true);
        if (LockProject()) {
            if (CFileAccessor* accessor = document_.GetAccessor())
                accessor->Lock(nullptr);
        } else {
            ReportAccessorError();
        }
    }
    ConsistencySweep();
    document_.GetProject()->SetDisplayColumns(showColumns);
    document_.ContentChanged();
}

EditResult EditSession::Refuse(const PromptMessage& refusal) {
    AbandonStep();
    return EditResult::Refused(refusal);
}

EditResult EditSession::Unchanged() {
    AbandonStep();
    return EditResult::Done();
}

EditResult EditSession::Finish(EditResult result) {
    return Commit() ? std::move(result) : EditResult::Failed();
}

}  // namespace qb
