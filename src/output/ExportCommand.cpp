#include "ExportCommand.h"

#include "CStatus.h"

namespace qb {

ExportCommand::ExportCommand(CStatus& status) : status_(status) {}

CommandState ExportCommand::State() const {
    return {false, false, {}};
}

bool ExportCommand::Execute() {
    (void)status_;
    return false;
}

}  // namespace qb
