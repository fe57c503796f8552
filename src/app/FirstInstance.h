#pragma once

#include <string>

namespace qb {

// Tells the first running instance of the program from later ones: the
// first takes an exclusive lock on a per-user file in the runtime folder and
// holds it while it lives. Only the first instance runs crash recovery.
class FirstInstance {
public:
    // Tries the lock at once, never waits.
    explicit FirstInstance(const std::string& runtimeFolder);
    ~FirstInstance();
    FirstInstance(const FirstInstance&) = delete;
    FirstInstance& operator=(const FirstInstance&) = delete;

    bool IsFirst() const { return fd_ >= 0; }
    const std::string& LockPath() const { return path_; }

    // runtimeFolder + "/quellbrandiren-<uid>.lock".
    static std::string LockPathFor(const std::string& runtimeFolder);

private:
    std::string path_;
    int fd_ = -1;
};

}  // namespace qb
