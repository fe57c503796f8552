#pragma once

#include <functional>
#include <string>

#include "COleDateTime.h"
#include "CommandState.h"
#include "ImportValues.h"

namespace qb {

class CStatus;

// File/Import (40299): the dialog "インポート", then the tab-separated file read into the project
// as one edit, with its log.
class ImportCommand {
public:
    // The moment the log names as the import's start.
    using Clock = std::function<COleDateTime()>;

    explicit ImportCommand(CStatus& status, Clock clock = &COleDateTime::GetCurrentTime);

    CommandState State() const;
    // False when the command is disabled, was cancelled or refused, or the
    // project file could not be taken. The log is opened whenever one was
    // written.
    bool Execute();

private:
    CStatus& status_;
    Clock clock_;
    // The dialog opens with the file of the last import in this session.
    ImportValues last_;
};

}  // namespace qb
