#pragma once

namespace qb {

class CStatus;

// The edit transaction every change runs through. In single mode the file
// stays held and a change marks the document modified; in shared mode each
// change takes the file, reloads the project, applies the change and writes
// the file back at once.
class EditSession {
public:
    explicit EditSession(CStatus& status) : status_(status) {}

    // A change made of several steps.
    bool BeginEdit();
    void EndEdit();
    void CancelEdit();
    // Writes the project unless a transaction is open (only shared mode
    // writes).
    bool Commit();

    // The start of a single-step change outside a transaction: undo snapshot,
    // take and reload the file, sweep. False when the file could not be taken.
    bool BeginStep();
    // A single-step change whose target is gone: let the file go unwritten.
    void AbandonStep();

    // Shows the file accessor's error (message 191 for a locked file).
    void ReportAccessorError();
    // Marks as deleted what refers to rows or ends that no longer exist.
    void ConsistencySweep();
    // Single to shared or back, with the user's confirmation.
    bool SwitchFileMode();
    // Shared mode: reload what other processes wrote.
    void RefreshFromFile();

private:
    CStatus& status_;
};

}  // namespace qb
