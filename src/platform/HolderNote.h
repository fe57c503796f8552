#pragma once

#include <ctime>
#include <optional>
#include <string>

namespace qb {

// Who holds a project file, told in a small note beside it for as long as
// they do: the user's name, the computer, the process and since when. The
// note only informs the others; the file's own lock decides who may work,
// and a note that cannot be written, read or removed changes nothing else.
class HolderNote {
public:
    struct Holder {
        std::string user;
        std::string host;
        long pid = 0;
        std::time_t since = 0;
    };

    // The name this process's notes give; empty leaves the login name.
    static void SetUser(std::string user);

    // ".NAME.holder" beside the file.
    static std::string PathFor(const std::string& file);
    // Writes this process's note beside file, whole or not at all.
    static bool Write(const std::string& file);
    // Removes the note beside file when it is this process's.
    static void Remove(const std::string& file);
    // The holder the note beside file names. Nothing when there is no note or
    // it cannot be read, and nothing for the note of a process that no longer
    // runs on this computer, which is removed on the way.
    static std::optional<Holder> Read(const std::string& file);

    // "USER (HOST) が 10:02 から使用中", with the date when it is not today.
    static std::string Describe(const Holder& holder, std::time_t now);
    static std::string Format(const Holder& holder);
    static std::optional<Holder> Parse(const std::string& text);
    // This process as a holder, as of now.
    static Holder Self();
};

}  // namespace qb
