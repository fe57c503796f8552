#pragma once

#include <string>

namespace qb {

class CProject;

// Writes a file beside the project after every successful save (the CSV
// copy of the hidden option) and tells the user itself when it cannot.
class ISaveCompanion {
public:
    virtual ~ISaveCompanion() = default;
    virtual void ProjectSaved(const CProject& project, const std::string& path) = 0;
};

}  // namespace qb
