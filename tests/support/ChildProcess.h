#pragma once

#include <grp.h>
#include <pwd.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>

namespace qb::test {

// Runs body in a forked child, which leaves with body's result through _exit,
// so nothing of the test program runs twice.
inline pid_t StartChild(const std::function<int()>& body) {
    const pid_t pid = ::fork();
    if (pid == 0)
        ::_exit(body());
    return pid;
}

// The child's exit status, or 128 + the signal that ended it.
inline int WaitForChild(pid_t pid) {
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

inline int RunChild(const std::function<int()>& body) {
    return WaitForChild(StartChild(body));
}

// The suite runs as root in CI, where permissions prove nothing: a child that
// must be refused drops to user nobody first. False when that is impossible.
inline bool BecomeUnprivileged() {
    if (::geteuid() != 0)
        return true;
    const passwd* nobody = ::getpwnam("nobody");
    return nobody != nullptr && ::setgroups(0, nullptr) == 0 && ::setgid(nobody->pw_gid) == 0 &&
           ::setuid(nobody->pw_uid) == 0;
}

// The exit status a child gives when it cannot drop its privileges.
constexpr int kCannotDropPrivileges = 10;

}  // namespace qb::test
