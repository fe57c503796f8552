#include "ShiftCommand.h"

#include "CStatus.h"
#include "CommandIds.h"

namespace qb {

bool ShiftCommand::Handles(int id) {
    switch (id) {
        case cmd::kShiftDays:
            return true;
        default:
            return false;
    }
}

CommandState ShiftCommand::State(int /*id*/) const {
    (void)status_;
    return {};
}

bool ShiftCommand::Execute(int id) {
    return State(id).enabled;
}

}  // namespace qb
