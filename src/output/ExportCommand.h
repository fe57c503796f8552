#pragma once

#include "CommandState.h"

namespace qb {

class CStatus;

// File/Export (40302): the dialog "エクスポート", then the CSV, XML or HTML file.
class ExportCommand {
public:
    explicit ExportCommand(CStatus& status);

    CommandState State() const;
    bool Execute();

private:
    CStatus& status_;
};

}  // namespace qb
