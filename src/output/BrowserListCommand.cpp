#include "BrowserListCommand.h"

#include "CStatus.h"

namespace qb {

BrowserListCommand::BrowserListCommand(CStatus& status) : status_(status) {}

CommandState BrowserListCommand::State() const {
    return {false, false, {}};
}

bool BrowserListCommand::Execute() {
    (void)status_;
    return false;
}

}  // namespace qb
