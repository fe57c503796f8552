#include "CCommandHandler.h"

#include "CStatus.h"
#include "DocumentCommands.h"

namespace qb {

CCommandHandler::CCommandHandler(CStatus& status)
    : status_(status), documents_(std::make_unique<DocumentCommands>(status)) {}

CCommandHandler::~CCommandHandler() = default;

std::span<const CommandInfo> CCommandHandler::MenuTable() {
    return {};
}

bool CCommandHandler::Execute(int /*id*/) {
    return false;
}

CommandState CCommandHandler::State(int /*id*/) const {
    return {};
}

}  // namespace qb
