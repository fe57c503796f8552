#include "BackupCopies.h"

namespace qb {

void BackupCopies::CopyToBackupFolder(const std::string& /*path*/) {}
void BackupCopies::RemoveFromBackupFolder(const std::string& /*path*/) {}
bool BackupCopies::RunCrashRecovery(IPrompt& /*prompt*/, IShell& /*shell*/) {
    return false;
}

}  // namespace qb
