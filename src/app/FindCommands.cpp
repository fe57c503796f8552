#include "FindCommands.h"

#include "CStatus.h"
#include "CommandIds.h"
#include "FindSession.h"
#include "IDialogs.h"

namespace qb {

FindCommands::FindCommands(CStatus& status)
    : status_(status), session_(std::make_unique<FindSession>(status)) {}

FindCommands::~FindCommands() = default;

bool FindCommands::Handles(int id) {
    return id == cmd::kFind || id == cmd::kReplace;
}

CommandState FindCommands::State(int id) const {
    const bool enabled =
        id == cmd::kReplace ? FindSession::CanReplace(status_) : FindSession::CanFind(status_);
    return {enabled, false, {}};
}

bool FindCommands::Execute(int id) {
    if (!State(id).enabled)
        return false;
    status_.Services().Dialogs().ShowFind(*session_, id == cmd::kReplace);
    return true;
}

}  // namespace qb
