#include "ClipboardCommands.h"

#include "CStatus.h"
#include "CommandIds.h"

namespace qb {

bool ClipboardCommands::Handles(int id) {
    switch (id) {
        case cmd::kCut:
        case cmd::kCopy:
        case cmd::kPaste:
        case cmd::kInsertCopiedRow:
            return true;
        default:
            return false;
    }
}

CommandState ClipboardCommands::State(int /*id*/) const {
    (void)status_;
    return {};
}

bool ClipboardCommands::Execute(int id) {
    return State(id).enabled;
}

}  // namespace qb
