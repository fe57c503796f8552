#pragma once

#include "CommandState.h"

namespace qb {

class CStatus;

// "期間を指定して削除/切り出し": everything inside a period deleted, or the
// period cut out of the plan, with a preview while the dialog is open and
// one undo step.
class PeriodCutCommand {
public:
    explicit PeriodCutCommand(CStatus& status) : status_(status) {}

    static bool Handles(int id);
    CommandState State(int id) const;
    // False when the command is disabled now, was cancelled or refused.
    bool Execute(int id);

private:
    CStatus& status_;
};

}  // namespace qb
