#pragma once

#include "IPrompt.h"

namespace qb {

// Shows the wait cursor for as long as it lives, when asked to.
class BusyCursor {
public:
    BusyCursor(IPrompt& prompt, bool show) : prompt_(show ? &prompt : nullptr) {
        if (prompt_)
            prompt_->SetBusy(true);
    }
    ~BusyCursor() {
        if (prompt_)
            prompt_->SetBusy(false);
    }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

private:
    IPrompt* prompt_;
};

}  // namespace qb
