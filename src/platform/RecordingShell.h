#pragma once

#include <string>
#include <vector>

#include "IShell.h"

namespace qb {

// Remembers what it was asked to open, opens nothing: for tests and for the
// command-line tool.
class RecordingShell : public IShell {
public:
    bool Open(const std::string& target) override {
        if (fail_)
            return false;
        opened_.push_back(target);
        return true;
    }
    const std::vector<std::string>& Opened() const { return opened_; }
    // From now on answers as a desktop with no program for the target.
    void FailOpens() { fail_ = true; }

private:
    std::vector<std::string> opened_;
    bool fail_ = false;
};

}  // namespace qb
