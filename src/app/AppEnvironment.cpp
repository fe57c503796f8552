#include "AppEnvironment.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace qb {

namespace {

std::string WithSlash(std::string folder) {
    if (!folder.empty() && folder.back() != '/')
        folder += '/';
    return folder;
}

std::string ProgramFolder(const char* argv0) {
    std::error_code error;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error || exe.empty()) {
        if (!argv0 || std::string(argv0).find('/') == std::string::npos)
            return {};
        exe = std::filesystem::absolute(argv0, error);
        if (error)
            return {};
    }
    return WithSlash(exe.parent_path().string());
}

const passwd* CurrentUser() {
    return ::getpwuid(::geteuid());
}

std::optional<std::string> DataHome() {
    if (const char* xdg = std::getenv("XDG_DATA_HOME")) {
        std::string value = xdg;
        // A set but empty variable keeps the working folders empty, on
        // purpose. A relative one is not valid and counts as unset, as the
        // desktop standard asks.
        if (value.empty() || value.front() == '/') {
            if (value.size() > 1 && value.back() == '/')
                value.pop_back();
            return value;
        }
    }
    std::string home;
    if (const char* variable = std::getenv("HOME"); variable && *variable)
        home = variable;
    else if (const passwd* user = CurrentUser(); user && user->pw_dir && *user->pw_dir)
        home = user->pw_dir;
    if (home.empty())
        return std::nullopt;
    if (home.size() > 1 && home.back() == '/')
        home.pop_back();
    return home + "/.local/share";
}

std::string RuntimeFolder() {
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime && *runtime)
        return runtime;
    std::error_code error;
    std::string temp = std::filesystem::temp_directory_path(error).string();
    return error ? std::string("/tmp") : temp;
}

std::string UserName() {
    if (const passwd* user = CurrentUser(); user && user->pw_name)
        return user->pw_name;
    if (const char* name = std::getenv("USER"))
        return name;
    return {};
}

}  // namespace

AppEnvironment AppEnvironment::FromProcess(const char* argv0) {
    AppEnvironment environment;
    environment.programFolder = ProgramFolder(argv0);
    environment.dataHome = DataHome();
    environment.runtimeFolder = RuntimeFolder();
    environment.userName = UserName();
    return environment;
}

}  // namespace qb
