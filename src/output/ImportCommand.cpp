#include "ImportCommand.h"

#include "CStatus.h"

namespace qb {

ImportCommand::ImportCommand(CStatus& status) : status_(status) {}

CommandState ImportCommand::State() const {
    return {false, false, {}};
}

bool ImportCommand::Execute() {
    (void)status_;
    return false;
}

}  // namespace qb
