#include "HistoryCopy.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <vector>

#include "FolderOptions.h"
#include "WorkingFolders.h"

namespace qb {

namespace fs = std::filesystem;

namespace {

constexpr std::time_t kOneDay = 24 * 60 * 60;

std::string FileNameOf(const std::string& path) {
    return fs::path(path).filename().string();
}

std::vector<std::string> SplitAtDots(const std::string& name) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        const auto dot = name.find('.', start);
        parts.push_back(name.substr(start, dot - start));
        if (dot == std::string::npos)
            return parts;
        start = dot + 1;
    }
}

bool ModificationTime(const std::string& path, struct timespec& time) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return false;
    time = info.st_mtim;
    return true;
}

// When the file came into being: its birth time where the file system keeps
// one, else the time of its last status change, which copying and stamping
// the file set to now. The modification time would not do: it is the
// original's, carried over on purpose.
bool CreationTime(const std::string& path, std::time_t& created) {
    struct statx info {};
    if (::statx(AT_FDCWD, path.c_str(), 0, STATX_BTIME | STATX_CTIME, &info) != 0)
        return false;
    created = (info.stx_mask & STATX_BTIME) ? info.stx_btime.tv_sec : info.stx_ctime.tv_sec;
    return true;
}

void SetModificationTime(const std::string& path, const struct timespec& time) {
    const struct timespec times[2] = {{0, UTIME_OMIT}, time};
    ::utimensat(AT_FDCWD, path.c_str(), times, 0);
}

void RemoveQuietly(const std::string& path) {
    std::error_code ignored;
    fs::remove(path, ignored);
}

// Copies source over target through a temporary file and a rename, so that
// a read-only copy of the same date is replaced as well. Keeps the source's
// last-write time.
bool CopyReplacing(const std::string& source, const std::string& target) {
    const std::string temporary = target + ".tmp$";
    std::error_code error;
    fs::remove(temporary, error);
    if (!fs::copy_file(source, temporary, fs::copy_options::overwrite_existing, error))
        return false;
    struct timespec written {};
    if (ModificationTime(source, written))
        SetModificationTime(temporary, written);
    fs::rename(temporary, target, error);
    if (error) {
        RemoveQuietly(temporary);
        return false;
    }
    return true;
}

}  // namespace

bool HistoryCopy::IsHistoryName(const std::string& fileName) {
    const std::vector<std::string> parts = SplitAtDots(fileName);
    if (parts.size() < 3 || parts[1].size() != 8)
        return false;
    const long value = std::strtol(parts[1].c_str(), nullptr, 10);
    return value > 19800000 && value < 25000000;
}

std::string HistoryCopy::TargetName(const std::string& fileName, std::time_t lastWrite) {
    struct tm local {};
    ::localtime_r(&lastWrite, &local);
    char date[40];
    std::snprintf(date, sizeof date, "%04d%02d%02d", local.tm_year + 1900, local.tm_mon + 1,
                  local.tm_mday);
    // The last three characters are the extension, the dot stays.
    const std::string stem =
        fileName.size() >= 3 ? fileName.substr(0, fileName.size() - 3) : fileName + ".";
    return stem + date + ".qbd";
}

std::string HistoryCopy::IntermediateFor(const std::string& path) {
    const std::string& backup = folders_.Backup();
    if (backup.empty() || FileNameOf(path).empty())
        return {};
    return backup + FileNameOf(path) + ".bk$";
}

bool HistoryCopy::Prepare(const std::string& path, bool saveHistory) {
    const int folderChoice =
        FolderOptions::ReadFolder(fs::path(path).parent_path().string()).saveHistory;
    if (folderChoice == FolderOptions::kNever)
        return false;
    if (folderChoice != FolderOptions::kAlways && !saveHistory)
        return false;
    if (IsHistoryName(FileNameOf(path)))
        return false;
    const std::string intermediate = IntermediateFor(path);
    if (intermediate.empty() || !WorkingFolders::CreateFoldersFor(intermediate))
        return false;
    // A fresh file, so that its creation time is now even when an earlier
    // open left a copy behind.
    RemoveQuietly(intermediate);
    std::error_code error;
    if (!fs::copy_file(path, intermediate, error))
        return false;
    struct timespec written {};
    if (ModificationTime(path, written))
        SetModificationTime(intermediate, written);
    return true;
}

void HistoryCopy::Finish(const std::string& path, bool projectHasRows) {
    const std::string intermediate = IntermediateFor(path);
    if (intermediate.empty())
        return;
    std::error_code error;
    if (!projectHasRows || !fs::is_regular_file(intermediate, error)) {
        RemoveQuietly(intermediate);
        return;
    }
    std::time_t created = 0;
    struct timespec written {};
    if (!CreationTime(intermediate, created) || created < Now() - kOneDay ||
        !ModificationTime(intermediate, written)) {
        RemoveQuietly(intermediate);
        return;
    }
    const fs::path history = fs::path(path).parent_path() / "History";
    fs::create_directory(history, error);
    if (fs::is_directory(history, error))
        CopyReplacing(intermediate,
                      (history / TargetName(FileNameOf(path), written.tv_sec)).string());
    RemoveQuietly(intermediate);
}

}  // namespace qb
