#include "CliOptions.h"

#include <algorithm>
#include <charconv>

#include "DateEntry.h"

namespace qb::cli {
namespace {

bool AllDigits(std::string_view text) {
    return text.find_first_not_of("0123456789") == std::string_view::npos;
}

}  // namespace

bool CliOptions::Parse(const Args& args, std::initializer_list<std::string_view> known,
                       std::initializer_list<std::string_view> required) {
    values_.clear();
    if (args.size() % 2 != 0)
        return false;
    for (std::size_t i = 0; i < args.size(); i += 2) {
        if (std::find(known.begin(), known.end(), args[i]) == known.end())
            return false;
        if (!values_.emplace(args[i], args[i + 1]).second)
            return false;
    }
    return std::all_of(required.begin(), required.end(),
                       [this](std::string_view name) { return Has(name); });
}

std::string_view CliOptions::Get(std::string_view name) const {
    auto found = values_.find(name);
    return found == values_.end() ? std::string_view() : found->second;
}

bool CliOptions::ParseDay(std::string_view text, COleDateTime& day) {
    if (text.size() != 8 || !AllDigits(text) || !DateEntry::IsValidCompactDate(text))
        return false;
    day = DateEntry::ParseCompactDate(text);
    return day.IsValid();
}

bool CliOptions::ParseMoment(std::string_view text, COleDateTime& moment) {
    if (text.size() != 12 || !AllDigits(text) || !DateEntry::IsValidCompactDate(text) ||
        !DateEntry::IsValidTime(text.substr(8))) {
        return false;
    }
    moment = DateEntry::ParseCompactDate(text);
    return moment.IsValid();
}

bool CliOptions::ParseNumber(std::string_view text, int& value) {
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value);
    return !text.empty() && result.ec == std::errc() && result.ptr == end;
}

}  // namespace qb::cli
