#pragma once

#include "CommandState.h"

namespace qb {

class CStatus;

// The clipboard commands: copy, cut and paste of the chart's schedules, memos
// and links and of a row with its subtree, through the two private formats
// on the desktop's clipboard, and the copied row inserted from the row
// header's menu.
class ClipboardCommands {
public:
    explicit ClipboardCommands(CStatus& status) : status_(status) {}

    static bool Handles(int id);
    CommandState State(int id) const;
    // False when the command is disabled now, was cancelled or refused.
    bool Execute(int id);

private:
    CStatus& status_;
};

}  // namespace qb
