#pragma once

#include <functional>
#include <optional>
#include <string>

#include "EditResult.h"
#include "ErrorSlot.h"
#include "IPrompt.h"

namespace qb {

class AppServices;
class CProject;
class Document;
class EditStamp;
class UndoHistory;
class ViewLink;

// The edit transaction every change runs through. In single mode the file
// stays held and a change marks the document modified; in shared mode each
// change takes the file, reloads the project, applies the change and writes
// the file back at once.
class EditSession {
public:
    // Runs the document's save-as; true when the user went through with it.
    using SaveAsHook = std::function<bool()>;
    // Closes the document and opens the same path again.
    using ReopenHook = std::function<void()>;

    EditSession(Document& document, AppServices& services, UndoHistory& undo, ViewLink& view)
        : document_(document), services_(services), undo_(undo), view_(view) {}

    // A change made of several steps; undoName names its undo step (undoing
    // a named step asks first).
    bool BeginEdit(std::string undoName = {});
    void EndEdit();
    void CancelEdit();
    bool IsOpen() const { return open_; }
    // Writes the project unless a transaction is open (only shared mode
    // writes) and announces the changed content. A failed write is shown to
    // the user before false comes back.
    bool Commit();

    // The start of a single-step change outside a transaction: undo snapshot,
    // take and reload the file, sweep. False when the file could not be taken.
    bool BeginStep();
    // A single-step change whose target is gone: let the file go unwritten
    // and show the project as reloaded.
    void AbandonStep();
    // The endings of a step as a result: refused with the message (nothing
    // written), unchanged (no step to undo), or committed (a failed write
    // has been shown and fails the result).
    EditResult Refuse(const PromptMessage& refusal);
    EditResult Unchanged();
    EditResult Finish(EditResult result);

    // Shows the file accessor's error (message 191 for a locked file).
    void ReportAccessorError();
    // What a file accessor's error says to the user; nothing for no error.
    static std::optional<PromptMessage> ErrorMessage(const ErrorSlot& error);
    // Marks as deleted what refers to rows or ends that no longer exist, in
    // the document's project or in one about to become it.
    void ConsistencySweep();
    void Sweep(CProject& project) const;
    // Single to shared or back, with the user's confirmation. True when the
    // mode changed; the content is announced as changed once the file was
    // taken (it may have been reloaded even when the switch failed).
    bool SwitchFileMode();
    // Warns when the document is in shared mode but its file lies where the
    // lock cannot keep other computers out.
    void WarnIfUnprotected();
    // Why the document's file may not be shared; nothing when it may.
    std::optional<std::string> SharingRisk() const;
    // Shared mode: reload what other processes wrote.
    void RefreshFromFile();

    // The audit stamp of a change made now by the settings' user.
    EditStamp Stamp() const;

    // The document commands provide these; without them switching an untitled
    // document to shared mode stops, and a refresh of foreign data does nothing.
    void SetSaveAsHook(SaveAsHook hook) { saveAs_ = std::move(hook); }
    void SetReopenHook(ReopenHook hook) { reopen_ = std::move(hook); }

private:
    bool ToSingleMode();
    bool ToSharedMode();
    bool LockProject();
    void ReleaseIfShared();

    Document& document_;
    AppServices& services_;
    UndoHistory& undo_;
    ViewLink& view_;
    // A transaction begun by BeginEdit has not ended yet.
    bool open_ = false;
    SaveAsHook saveAs_;
    ReopenHook reopen_;
    // The step begun by BeginStep recorded an undo snapshot.
    bool stepRecorded_ = false;
};

}  // namespace qb
