#include "WorkingFolders.h"

#include <filesystem>
#include <system_error>

namespace qb {

WorkingFolders::WorkingFolders(const AppEnvironment& environment) : environment_(environment) {}

const std::string& WorkingFolders::Base() {
    Compute();
    return base_;
}

const std::string& WorkingFolders::Backup() {
    Compute();
    return backup_;
}

const std::string& WorkingFolders::Recovery() {
    Compute();
    return recovery_;
}

bool WorkingFolders::CreateFoldersFor(const std::string& path) {
    namespace fs = std::filesystem;
    const fs::path folder = fs::path(path).parent_path();
    if (folder.empty())
        return true;
    // One level at a time from the top, so that each new folder gets the
    // user's default permissions and an existing root is never touched.
    fs::path level;
    std::error_code error;
    for (const fs::path& part : folder) {
        level /= part;
        if (part == "/" || fs::is_directory(level, error))
            continue;
        fs::create_directory(level, error);
        if (error && !fs::is_directory(level))
            return false;
    }
    return fs::is_directory(folder, error);
}

void WorkingFolders::Compute() {
    if (!backup_.empty())
        return;
    if (environment_.dataHome) {
        std::string home = *environment_.dataHome;
        if (home.empty())
            return;
        if (home.back() != '/')
            home += '/';
        base_ = home + "Torvane/Quellbrandiren/";
        backup_ = base_ + "Backup/";
        recovery_ = backup_ + "Temp/";
        return;
    }
    // Without a data folder the copies go beside the program, per user. The
    // diagnostic log's switch file has no place then, so base stays empty.
    if (environment_.programFolder.empty())
        return;
    std::string program = environment_.programFolder;
    if (program.back() != '/')
        program += '/';
    backup_ = program + "Backups/";
    if (!environment_.userName.empty())
        backup_ += environment_.userName + "/";
    recovery_ = backup_ + "Temp/";
}

}  // namespace qb
