#pragma once

#include <pwd.h>
#include <unistd.h>

#include <filesystem>
#include <functional>

#include "ChildProcess.h"

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
    return test::RunChild([&] { return test::BecomeUnprivileged() && check() ? 0 : 1; }) == 0;
}

}  // namespace qb
