#include "PeriodCutCommand.h"

#include "CStatus.h"
#include "CommandIds.h"

namespace qb {

bool PeriodCutCommand::Handles(int id) {
    switch (id) {
        case cmd::kPeriodDelete:
            return true;
        default:
            return false;
    }
}

CommandState PeriodCutCommand::State(int /*id*/) const {
    (void)status_;
    return {};
}

bool PeriodCutCommand::Execute(int id) {
    return State(id).enabled;
}

}  // namespace qb
