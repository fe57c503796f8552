#pragma once

#include <string>
#include <string_view>

namespace qb::cli {

// How every command reports back: failures carry the program's own message.
class CliOutput {
public:
    static constexpr int kSuccess = 0;
    static constexpr int kFailure = 1;
    static constexpr int kUsage = 2;

    // Prints the message on stderr and returns kFailure.
    static int Fail(std::string_view message);
    // Prints "usage: quellbrandiren-cli <usage>" on stderr and returns kUsage.
    static int Usage(std::string_view usage);
    // A JSON string literal for text (quotes, backslashes and control characters escaped).
    static std::string JsonString(std::string_view text);
    // What is shown when a holiday file cannot be read, with the reader's detail.
    static std::string HolidayFileFailure(const std::string& detail);
};

}  // namespace qb::cli
