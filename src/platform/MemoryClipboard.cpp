#include "MemoryClipboard.h"

namespace qb {

bool MemoryClipboard::HasFormat(std::string_view name) const {
    return Read(name).has_value();
}

std::optional<std::string> MemoryClipboard::Read(std::string_view name) const {
    for (const auto& [format, bytes] : content_.formats) {
        if (format == name)
            return bytes;
    }
    return std::nullopt;
}

bool MemoryClipboard::Write(const ClipboardContent& content) {
    if (refusing_)
        return false;
    content_ = content;
    return true;
}

}  // namespace qb
