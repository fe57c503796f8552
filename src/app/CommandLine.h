#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "COleDateTime.h"

namespace qb {

// What the program was started with: an optional file and switches such as
// "/date 20100401". Tokens are read from the left; a switch takes the next
// token as its value, and everything from the first other token on is the
// file, its pieces joined with single blanks.
class CommandLine {
public:
    // One command-line text, split at blanks.
    static CommandLine Parse(std::string_view text);
    // The program's arguments (without the program itself), one token each,
    // so that a path holding blanks survives as one argument.
    static CommandLine FromArguments(const std::vector<std::string>& arguments);

    // As given; double quotes are still in it (see FileWithoutQuotes).
    const std::string& File() const { return file_; }
    std::string FileWithoutQuotes() const;
    // The value of a switch (name in lower case), or nothing.
    std::optional<std::string> Switch(const std::string& name) const;
    std::optional<std::string> DateText() const { return Switch("date"); }
    // The "date" switch as a date, when its text is a valid date
    // ("20100401" or "2010/4/1").
    std::optional<COleDateTime> Date() const;
    static std::optional<COleDateTime> ParseDate(std::string_view text);

    // A token that starts a switch: "/" and letters only, so that an
    // absolute path is never mistaken for one.
    static bool IsSwitch(std::string_view token);

private:
    static CommandLine FromTokens(const std::vector<std::string>& tokens);

    std::string file_;
    std::map<std::string, std::string> switches_;
};

}  // namespace qb
