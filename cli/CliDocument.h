#pragma once

#include <memory>
#include <string>

#include "CStatus.h"
#include "CliPrompt.h"
#include "InMemorySettingsStore.h"
#include "ProjectEdits.h"
#include "RecordingShell.h"

namespace qb::cli {

// The application state as the command-line tool runs it: settings in memory
// only (the user's real settings are never written), messages on stderr, a
// shell that opens nothing.
class CliDocument {
public:
    CliDocument();

    // Opens the native file at path as the document: in single mode it stays
    // held until this object ends. False after the reason has been shown.
    bool Open(const std::string& path);
    // Writes a single-mode document (shared ones are written by each edit).
    // False after the reason has been shown.
    bool SaveIfSingle();

    CStatus& Status() { return status_; }
    // The single-step changes of the open document.
    ProjectEdits Edits() { return ProjectEdits(status_.Doc(), status_.Edit(), status_.Services()); }
    CliPrompt& Prompt() { return prompt_; }

private:
    InMemorySettingsStore store_;
    CliPrompt prompt_;
    RecordingShell shell_;
    CStatus status_;
};

}  // namespace qb::cli
