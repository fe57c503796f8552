#pragma once

#include "CommandState.h"

namespace qb {

class CStatus;

// View/List in the browser (F8, 40350): the chart's table written to a temporary HTML file and
// opened in the browser.
class BrowserListCommand {
public:
    explicit BrowserListCommand(CStatus& status);

    CommandState State() const;
    bool Execute();

private:
    CStatus& status_;
};

}  // namespace qb
