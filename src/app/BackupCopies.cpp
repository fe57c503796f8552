#include "BackupCopies.h"

#include <filesystem>
#include <system_error>
#include <vector>

#include "AppMessages.h"
#include "FileIo.h"
#include "IPrompt.h"
#include "IShell.h"
#include "WarningIcon.h"
#include "WorkingFolders.h"

namespace qb {

namespace fs = std::filesystem;

namespace {

constexpr const char* kReadme =
    "このフォルダについて\n"
    "\n"
    "前回、Quellbrandiren が正常に終了しませんでした。\n"
    "このフォルダにあるファイルは、それぞれのファイルを最後に開いたときに取っておいたコピーです。"
    "終了前に保存した内容は含まれていません。\n"
    "\n"
    "ファイルが壊れてしまったときは、次の手順で元に戻してください。\n"
    "1. このフォルダから、元に戻したいファイルを、元のファイルとは別の場所（デスクトップなど）へ"
    "コピーします。\n"
    "2. コピーしたファイルを Quellbrandiren で開き、内容を確かめます。\n"
    "3. 内容に問題がなければ、元のファイルの場所へ「名前を付けて保存」し、壊れたファイルと置き換え"
    "ます。\n"
    "\n"
    "このフォルダのファイルを直接開いて編集しないでください。"
    "このフォルダは、次に Quellbrandiren を起動したときに削除されます。\n";

bool EndsWithQbd(const std::string& name) {
    if (name.size() < 4)
        return false;
    std::string tail = name.substr(name.size() - 4);
    for (char& c : tail) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c + 32);
    }
    return tail == ".qbd";
}

bool IsInside(const std::string& path, const std::string& folder) {
    if (folder.empty())
        return false;
    std::error_code error;
    const std::string full = fs::absolute(path, error).lexically_normal().string();
    const std::string base = fs::absolute(folder, error).lexically_normal().string();
    return full.compare(0, base.size(), base) == 0;
}

// Lets the owner write into every folder below root, so that nothing left
// read-only keeps the tree from being removed.
void MakeWritable(const fs::path& root) {
    std::error_code error;
    fs::permissions(root, fs::perms::owner_all, fs::perm_options::add, error);
    for (auto it = fs::recursive_directory_iterator(root, error);
         !error && it != fs::recursive_directory_iterator(); it.increment(error)) {
        if (it->is_directory(error) && !it->is_symlink(error))
            fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, error);
    }
}

void WriteResource(const std::string& path, const std::string& bytes) {
    std::uint32_t ignored = 0;
    (void)FileIo::WriteAtomically(path, bytes, ignored);
}

}  // namespace

const char* BackupCopies::ReadmeText() {
    return kReadme;
}

std::string BackupCopies::BackupPathFor(const std::string& path) {
    const std::string& backup = folders_.Backup();
    if (path.empty() || backup.empty())
        return {};
    if (IsInside(path, backup) || IsInside(path, folders_.Recovery()))
        return {};
    const std::string name = fs::path(path).filename().string();
    return name.empty() ? std::string() : backup + name;
}

bool BackupCopies::CopyToBackupFolder(const std::string& path) {
    const std::string target = BackupPathFor(path);
    if (target.empty() || !WorkingFolders::CreateFoldersFor(target))
        return false;
    // Removing first replaces a copy that was left read-only as well.
    std::error_code error;
    fs::remove(target, error);
    return fs::copy_file(path, target, error) && !error;
}

bool BackupCopies::RemoveFromBackupFolder(const std::string& path) {
    const std::string target = BackupPathFor(path);
    if (target.empty())
        return false;
    std::error_code error;
    fs::permissions(target, fs::perms::owner_write, fs::perm_options::add, error);
    return fs::remove(target, error);
}

void BackupCopies::MoveCopiesToRecovery(const std::string& backup, const std::string& recovery,
                                        bool& found) {
    std::error_code error;
    std::vector<fs::path> copies;
    for (auto it = fs::directory_iterator(backup, error); !error && it != fs::directory_iterator();
         it.increment(error)) {
        if (it->symlink_status(error).type() == fs::file_type::regular &&
            EndsWithQbd(it->path().filename().string()))
            copies.push_back(it->path());
    }
    found = !copies.empty();
    if (!found || !WorkingFolders::CreateFoldersFor(recovery + kReadmeName))
        return;
    // A copy that cannot be moved stays where it is.
    for (const fs::path& copy : copies)
        fs::rename(copy, fs::path(recovery) / copy.filename(), error);
}

bool BackupCopies::RunCrashRecovery(IPrompt& prompt, IShell& shell) {
    const std::string backup = folders_.Backup();
    const std::string recovery = folders_.Recovery();
    if (backup.empty() || recovery.empty())
        return false;
    std::error_code error;
    // Without its trailing slash, so that a link in its place is removed
    // itself and not followed.
    const fs::path recoveryFolder = fs::path(recovery).parent_path();
    const fs::file_status status = fs::symlink_status(recoveryFolder, error);
    if (fs::is_directory(status))
        MakeWritable(recoveryFolder);
    if (fs::exists(status))
        fs::remove_all(recoveryFolder, error);
    bool found = false;
    MoveCopiesToRecovery(backup, recovery, found);
    if (!found)
        return false;
    if (fs::is_directory(recovery, error)) {
        WriteResource(recovery + kIconName, WarningIcon::FileBytes());
        WriteResource(recovery + kReadmeName, kReadme);
    }
    prompt.Show(messages::kBackupFound.Plain());
    shell.Open(recovery);
    return true;
}

}  // namespace qb
