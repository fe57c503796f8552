#pragma once

#include <memory>
#include <span>

#include "CommandInfo.h"
#include "CommandState.h"

namespace qb {

class CStatus;
class DocumentCommands;

// Receives every menu command by id, and says before a menu opens whether
// each item is enabled, checked, and what it reads. Commands whose work
// belongs to a later part of the program are routed here and stay disabled.
class CCommandHandler {
public:
    explicit CCommandHandler(CStatus& status);
    ~CCommandHandler();

    // The main menu, in menu order.
    static std::span<const CommandInfo> MenuTable();

    // False when the command is unknown or disabled now.
    bool Execute(int id);
    CommandState State(int id) const;

    DocumentCommands& Documents() { return *documents_; }

private:
    bool Toggle(int id);
    bool SetViewMode(int mode);
    bool RunTool(int id);
    bool IsDisplayToggle(int id) const;
    bool* DisplayFlag(int id) const;
    CommandState DocumentState(int id) const;
    CommandState EditState(int id) const;
    CommandState ViewState(int id) const;

    CStatus& status_;
    std::unique_ptr<DocumentCommands> documents_;
};

}  // namespace qb
