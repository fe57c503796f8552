#pragma once

#include "CommandState.h"

namespace qb {

class CStatus;

// File/Import (40299): the dialog "インポート", then the tab-separated file read into the project
// as one edit, with its log.
class ImportCommand {
public:
    explicit ImportCommand(CStatus& status);

    CommandState State() const;
    bool Execute();

private:
    CStatus& status_;
};

}  // namespace qb
