#include "ProjectSetFile.h"

#include <fstream>
#include <sstream>

namespace qb {

std::optional<std::vector<std::string>> ProjectSetFile::Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!line.empty())
            lines.push_back(line);
    }
    if (lines.empty() || lines.front() != kHeader)
        return std::nullopt;
    lines.erase(lines.begin());
    return lines;
}

bool ProjectSetFile::Write(const std::string& path, const std::vector<std::string>& members) {
    std::ostringstream text;
    text << kHeader << "\r\n";
    for (const std::string& member : members)
        text << member << "\r\n";
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text.str();
    out.close();
    return static_cast<bool>(out);
}

}  // namespace qb
