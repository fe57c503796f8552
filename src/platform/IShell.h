#pragma once

#include <string>

namespace qb {

// Hands a folder, a document or a web address to the desktop, which opens it
// with the user's chosen program.
class IShell {
public:
    virtual ~IShell() = default;
    virtual bool Open(const std::string& target) = 0;
};

}  // namespace qb
