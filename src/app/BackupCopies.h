#pragma once

#include <string>

namespace qb {

class IPrompt;
class IShell;
class WorkingFolders;

// The crash-recovery copy of each opened file, and the check at start-up
// that offers what a process that did not end normally left behind.
class BackupCopies {
public:
    explicit BackupCopies(WorkingFolders& folders) : folders_(folders) {}

    void CopyToBackupFolder(const std::string& path);
    void RemoveFromBackupFolder(const std::string& path);
    // First instance only: moves the copies into the recovery folder, tells
    // the user and opens that folder. True when copies were found.
    bool RunCrashRecovery(IPrompt& prompt, IShell& shell);

private:
    WorkingFolders& folders_;
};

}  // namespace qb
