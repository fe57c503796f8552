#pragma once

#include <optional>
#include <string>

namespace qb {

// What the program learns from the process at start: its own folder, the
// user's name and the folders the desktop standards name. Tests build one
// by hand so that nothing touches the real home folder.
struct AppEnvironment {
    // The folder of the executable, ending in "/".
    std::string programFolder;
    // $XDG_DATA_HOME, or $HOME/.local/share when that is unset; nothing when
    // neither can be found. An empty value (set but empty) keeps the working
    // folders empty.
    std::optional<std::string> dataHome;
    // $XDG_RUNTIME_DIR, else the temporary folder: where the first-instance
    // lock lives.
    std::string runtimeFolder;
    // The logged-on user's name; empty when it cannot be read.
    std::string userName;

    static AppEnvironment FromProcess(const char* argv0);
};

}  // namespace qb
