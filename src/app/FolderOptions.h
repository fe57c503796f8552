#pragma once

#include <string>

namespace qb {

// The options a folder of project files sets for itself in its own
// "Quellbrandiren.ini": lines of key=value separated by CR LF.
class FolderOptions {
public:
    static constexpr const char* kFileName = "Quellbrandiren.ini";
    // Tried when the first name cannot be read (file systems that tell case).
    static constexpr const char* kSecondFileName = "quellbrandiren.ini";

    enum SaveHistory { kFollowSetting = 0, kAlways = 1, kNever = 2 };

    // Reads the options of folder; a missing or unreadable file gives the
    // defaults.
    static FolderOptions ReadFolder(const std::string& folder);
    // Reads the options from the file's text.
    static FolderOptions Parse(const std::string& text);

    // "savehistory" (any case): 0 follows the user's setting, 1 always keeps
    // history copies, 2 never.
    int saveHistory = kFollowSetting;
};

}  // namespace qb
