#include "CommandLine.h"

#include <charconv>

#include "DateEntry.h"

namespace qb {

namespace {

std::string Trim(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::string Lower(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c + 32);
    }
    return lower;
}

bool ReadNumber(std::string_view& text, int& value) {
    auto [rest, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || rest == text.data())
        return false;
    text.remove_prefix(static_cast<std::size_t>(rest - text.data()));
    return true;
}

// "yyyy/m/d" with nothing after the day.
std::optional<COleDateTime> ParseSlashDate(std::string_view text) {
    int year = 0;
    int month = 0;
    int day = 0;
    if (!ReadNumber(text, year) || !text.starts_with('/'))
        return std::nullopt;
    text.remove_prefix(1);
    if (!ReadNumber(text, month) || !text.starts_with('/'))
        return std::nullopt;
    text.remove_prefix(1);
    if (!ReadNumber(text, day) || !text.empty())
        return std::nullopt;
    COleDateTime date(year, month, day, 0, 0, 0);
    if (!date.IsValid())
        return std::nullopt;
    return date;
}

}  // namespace

bool CommandLine::IsSwitch(std::string_view token) {
    if (token.size() < 2 || token[0] != '/')
        return false;
    for (char c : token.substr(1)) {
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')))
            return false;
    }
    return true;
}

CommandLine CommandLine::Parse(std::string_view text) {
    std::vector<std::string> tokens;
    std::size_t start = 0;
    while (start < text.size()) {
        const auto blank = text.find(' ', start);
        const auto end = blank == std::string_view::npos ? text.size() : blank;
        if (end > start)
            tokens.emplace_back(text.substr(start, end - start));
        start = end + 1;
    }
    return FromTokens(tokens);
}

CommandLine CommandLine::FromArguments(const std::vector<std::string>& arguments) {
    std::vector<std::string> tokens;
    for (const std::string& argument : arguments) {
        if (!argument.empty())
            tokens.push_back(argument);
    }
    return FromTokens(tokens);
}

CommandLine CommandLine::FromTokens(const std::vector<std::string>& tokens) {
    CommandLine line;
    if (tokens.size() == 1) {
        line.file_ = tokens.front();
        return line;
    }
    std::size_t index = 0;
    while (index < tokens.size() && IsSwitch(tokens[index])) {
        const std::string name = Lower(std::string_view(tokens[index]).substr(1));
        line.switches_[name] = index + 1 < tokens.size() ? tokens[index + 1] : std::string();
        index += 2;
    }
    std::string file;
    for (; index < tokens.size(); ++index)
        file += (file.empty() ? "" : " ") + tokens[index];
    line.file_ = Trim(file);
    return line;
}

std::string CommandLine::FileWithoutQuotes() const {
    std::string file = file_;
    std::erase(file, '"');
    return file;
}

std::optional<std::string> CommandLine::Switch(const std::string& name) const {
    auto found = switches_.find(name);
    if (found == switches_.end())
        return std::nullopt;
    return found->second;
}

std::optional<COleDateTime> CommandLine::Date() const {
    const std::optional<std::string> text = DateText();
    return text ? ParseDate(*text) : std::nullopt;
}

std::optional<COleDateTime> CommandLine::ParseDate(std::string_view text) {
    if (text.size() == 8 && DateEntry::IsValidCompactDate(text))
        return DateEntry::ParseCompactDate(text);
    return ParseSlashDate(text);
}

}  // namespace qb
