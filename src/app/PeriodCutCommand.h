#pragma once

#include "CommandState.h"
#include "PeriodCutValues.h"

namespace qb {

class CStatus;
class ChartScene;

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

    // The period the dialog opens with: the days the selected schedules and
    // memos cover, or else a week from the chart's first visible day.
    PeriodCutValues Initial(ChartScene& chart) const;

private:
    // The preview changes the project while the dialog is open, which
    // other users of a shared file must never see.
    bool IsEnabled() const;

    CStatus& status_;
};

}  // namespace qb
