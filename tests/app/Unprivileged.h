#pragma once

#include <pwd.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>

namespace qb {

// Runs check in a child process that has given up root for the user nobody,
// so that permission bits are enforced as they are for a real user. The
// folder is handed to nobody first. Without root the check runs as is.
inline bool RunUnprivileged(const std::filesystem::path& folder,
                            const std::function<bool()>& check) {
    if (::geteuid() != 0)
        return check();
    const passwd* nobody = ::getpwnam("nobody");
    if (!nobody)
        return false;
    std::error_code error;
    ::lchown(folder.c_str(), nobody->pw_uid, nobody->pw_gid);
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder, error))
        ::lchown(entry.path().c_str(), nobody->pw_uid, nobody->pw_gid);
    const pid_t child = ::fork();
    if (child == 0) {
        const bool dropped = ::setgid(nobody->pw_gid) == 0 && ::setuid(nobody->pw_uid) == 0;
        ::_exit(dropped && check() ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace qb
