#include "FolderOptions.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "FileIo.h"

namespace qb {

namespace {

std::string_view Trim(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

// The leading decimal number of a value, 0 when there is none.
int LeadingNumber(std::string_view value) {
    const std::string text(value);
    return static_cast<int>(std::strtol(text.c_str(), nullptr, 10));
}

}  // namespace

FolderOptions FolderOptions::ReadFolder(const std::string& folder) {
    std::string base = folder;
    if (!base.empty() && base.back() != '/')
        base += '/';
    std::string text;
    std::uint32_t error = 0;
    if (FileIo::ReadAll(base + kFileName, text, error) ||
        FileIo::ReadAll(base + kSecondFileName, text, error)) {
        return Parse(text);
    }
    return {};
}

FolderOptions FolderOptions::Parse(const std::string& text) {
    FolderOptions options;
    std::string_view rest = text;
    if (rest.starts_with("\xEF\xBB\xBF"))
        rest.remove_prefix(3);
    while (!rest.empty()) {
        // Lines end in CR LF; a lone LF or CR ends one as well.
        const auto end = rest.find_first_of("\r\n");
        const std::string_view line = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
        const auto equals = line.find('=');
        if (equals == std::string_view::npos)
            continue;
        if (EqualsIgnoringCase(Trim(line.substr(0, equals)), "savehistory"))
            options.saveHistory = LeadingNumber(Trim(line.substr(equals + 1)));
    }
    return options;
}

}  // namespace qb
