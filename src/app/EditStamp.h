#pragma once

#include <string>

#include "COleDateTime.h"

namespace qb {

class CData;

// The audit values a user's edit leaves on the objects it touches: who
// created or last changed an object, and when. One stamp carries one user
// name and one moment, so every object of one change gets the same time.
class EditStamp {
public:
    EditStamp(std::string user, const COleDateTime& now) : user_(std::move(user)), now_(now) {}

    // An object the user made: registrant and time, not deleted.
    void Created(CData& object) const;
    // An object the user changed (deleting included): modifier and time.
    void Changed(CData& object) const;
    // Marks the object deleted and stamps it as changed; false when it was
    // deleted already (nothing is touched then).
    bool Deleted(CData& object) const;

    const std::string& User() const { return user_; }
    const COleDateTime& Time() const { return now_; }

private:
    std::string user_;
    COleDateTime now_;
};

}  // namespace qb
