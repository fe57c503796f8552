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
    static constexpr const char* kReadmeName = "お読みください.txt";
    static constexpr const char* kIconName =
        "(警告)このフォルダのファイルを直接開かないで下さい。.ico";

    explicit BackupCopies(WorkingFolders& folders) : folders_(folders) {}

    // Both do nothing for an empty path, without a backup folder, or for a
    // path inside the backup or recovery folder. True when a copy was made
    // or removed.
    bool CopyToBackupFolder(const std::string& path);
    bool RemoveFromBackupFolder(const std::string& path);
    // First instance only: moves the copies into the recovery folder, tells
    // the user and opens that folder. True when copies were found.
    bool RunCrashRecovery(IPrompt& prompt, IShell& shell);

    // The text of the readme left in the recovery folder.
    static const char* ReadmeText();

private:
    // backup folder + the file's name, or empty when no copy applies.
    std::string BackupPathFor(const std::string& path);
    void MoveCopiesToRecovery(const std::string& backup, const std::string& recovery, bool& found);

    WorkingFolders& folders_;
};

}  // namespace qb
