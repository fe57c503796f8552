#pragma once

#include "CommandState.h"

namespace qb {

// Menu commands that a layer above the application core carries out (the
// output files, printing). The command handler asks each attached group
// before its own routes; a group sees only the ids it handles.
class ICommandGroup {
public:
    virtual ~ICommandGroup() = default;

    virtual bool Handles(int id) const = 0;
    // Called only with an open document.
    virtual CommandState State(int id) const = 0;
    // Called only while State(id) is enabled.
    virtual bool Execute(int id) = 0;
};

}  // namespace qb
