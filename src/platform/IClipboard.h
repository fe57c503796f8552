#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace qb {

// What one copy puts on the clipboard: private formats by their registered
// names, each a block of bytes, and optionally plain text (UTF-8) beside them.
struct ClipboardContent {
    std::vector<std::pair<std::string, std::string>> formats;
    std::optional<std::string> text;
};

// The desktop's clipboard. The window uses the system's, shared with every
// other program; tests and the command-line tool use one in memory.
class IClipboard {
public:
    virtual ~IClipboard() = default;

    // Whether a format of exactly this name (case matters) is offered now.
    virtual bool HasFormat(std::string_view name) const = 0;
    // The bytes of the format, or nothing when it is not offered.
    virtual std::optional<std::string> Read(std::string_view name) const = 0;
    // Replaces the whole content; false when the system refused it.
    virtual bool Write(const ClipboardContent& content) = 0;
};

}  // namespace qb
