#pragma once

#include <string>

#include "AppEnvironment.h"

namespace qb {

// The per-user working folders: base, backup copies and crash recovery, each
// ending in "/". They stay empty when the environment gives no place for
// them, and every feature that uses them then does nothing.
class WorkingFolders {
public:
    explicit WorkingFolders(const AppEnvironment& environment);

    // Computed on first use (retried while they came out empty).
    const std::string& Base();
    const std::string& Backup();
    const std::string& Recovery();

    // Creates every missing folder level of path's folder, top first.
    static bool CreateFoldersFor(const std::string& path);

private:
    void Compute();

    const AppEnvironment& environment_;
    std::string base_;
    std::string backup_;
    std::string recovery_;
};

}  // namespace qb
