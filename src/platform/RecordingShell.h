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
        opened_.push_back(target);
        return true;
    }
    const std::vector<std::string>& Opened() const { return opened_; }

private:
    std::vector<std::string> opened_;
};

}  // namespace qb
