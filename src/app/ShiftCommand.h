#pragma once

#include "CommandState.h"
#include "ShiftDaysValues.h"

namespace qb {

class CStatus;

// "日付/日数を指定して左右にずらす": the selected schedules and memos moved
// by a number of days or to a date, as one step of the edit transaction.
class ShiftCommand {
public:
    explicit ShiftCommand(CStatus& status) : status_(status) {}

    static bool Handles(int id);
    CommandState State(int id) const;
    // False when the command is disabled now, was cancelled or refused.
    bool Execute(int id);

private:
    CStatus& status_;
    // The dialog opens as it was last left in this session.
    ShiftDaysValues last_;
};

}  // namespace qb
