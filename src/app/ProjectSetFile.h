#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qb {

// A project set file (".qbds"): a header line, then one member project path
// per line; lines end in CR LF and empty lines are ignored.
class ProjectSetFile {
public:
    static constexpr const char* kHeader = "Quellbrandiren / Project Set File ver 1.0";
    static constexpr const char* kFilter =
        "Quellbrandiren プロジェクトセット (*.qbds)|*.qbds|全てのファイル (*.*)|*.*||";

    // The member paths; nothing when the file cannot be read or its first
    // line is not the header.
    static std::optional<std::vector<std::string>> Read(const std::string& path);
    // Replaces the file whole, so a failed write keeps the old set.
    static bool Write(const std::string& path, const std::vector<std::string>& members);

    // The same on the bytes of a file.
    static std::optional<std::vector<std::string>> Parse(std::string_view bytes);
    static std::string Format(const std::vector<std::string>& members);
};

}  // namespace qb
