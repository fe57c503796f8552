#include "RelatedTarget.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace qb {
namespace {

constexpr std::string_view kSchemes[] = {"http://", "https://", "file://"};

std::string_view Trim(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    // A path copied with its quotes.
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"')
        text = text.substr(1, text.size() - 2);
    return text;
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() &&
           std::equal(prefix.begin(), prefix.end(), text.begin(), [](char a, char b) {
               return a == (b >= 'A' && b <= 'Z' ? static_cast<char>(b - 'A' + 'a') : b);
           });
}

bool HasControlCharacter(std::string_view text) {
    return std::any_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; });
}

std::string ExistingPath(std::string_view text, const std::string& folder) {
    std::filesystem::path path{std::string(text)};
    if (path.is_relative()) {
        if (folder.empty())
            return {};
        path = std::filesystem::path(folder) / path;
    }
    std::error_code error;
    if (!std::filesystem::exists(path, error))
        return {};
    return path.lexically_normal().string();
}

}  // namespace

std::string RelatedTarget::Resolve(std::string_view text, const std::string& folder) {
    text = Trim(text);
    if (text.empty() || HasControlCharacter(text))
        return {};
    for (std::string_view scheme : kSchemes) {
        if (StartsWithNoCase(text, scheme))
            return text.size() > scheme.size() ? std::string(text) : std::string();
    }
    return ExistingPath(text, folder);
}

}  // namespace qb
