#include "ProjectSetFile.h"

#include <algorithm>

#include "FileIo.h"

namespace qb {

std::optional<std::vector<std::string>> ProjectSetFile::Read(const std::string& path) {
    std::string bytes;
    std::uint32_t error = 0;
    if (!FileIo::ReadAll(path, bytes, error))
        return std::nullopt;
    return Parse(bytes);
}

std::optional<std::vector<std::string>> ProjectSetFile::Parse(std::string_view bytes) {
    std::vector<std::string> lines;
    while (!bytes.empty()) {
        const std::size_t end = std::min(bytes.find('\n'), bytes.size());
        std::string_view line = bytes.substr(0, end);
        bytes.remove_prefix(std::min(end + 1, bytes.size()));
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (!line.empty())
            lines.emplace_back(line);
    }
    if (lines.empty() || lines.front() != kHeader)
        return std::nullopt;
    lines.erase(lines.begin());
    return lines;
}

std::string ProjectSetFile::Format(const std::vector<std::string>& members) {
    std::string text = std::string(kHeader) + "\r\n";
    for (const std::string& member : members)
        text += member + "\r\n";
    return text;
}

bool ProjectSetFile::Write(const std::string& path, const std::vector<std::string>& members) {
    std::uint32_t error = 0;
    return FileIo::WriteAtomically(path, Format(members), error);
}

}  // namespace qb
