#pragma once

#include <memory>

#include "CommandState.h"

namespace qb {

class CStatus;
class FindSession;

// "検索" (Ctrl+F) and "置換" (Ctrl+R): both open the one find window, in
// find or in replace mode, over a session that lives as long as the
// application so that the window keeps its list and options.
class FindCommands {
public:
    explicit FindCommands(CStatus& status);
    ~FindCommands();

    static bool Handles(int id);
    CommandState State(int id) const;
    // False when the command is disabled now.
    bool Execute(int id);

    FindSession& Session() { return *session_; }

private:
    CStatus& status_;
    std::unique_ptr<FindSession> session_;
};

}  // namespace qb
