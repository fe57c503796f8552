#pragma once

#include <initializer_list>
#include <map>
#include <string_view>

#include "COleDateTime.h"
#include "Commands.h"

namespace qb::cli {

// "--name value" pairs of a command line.
class CliOptions {
public:
    // False when a name is not among known, is given twice, lacks its value,
    // or one of required is missing.
    bool Parse(const Args& args, std::initializer_list<std::string_view> known,
               std::initializer_list<std::string_view> required);
    bool Has(std::string_view name) const { return values_.contains(name); }
    // The value of name, or empty text when it was not given.
    std::string_view Get(std::string_view name) const;

    // Exactly eight digits forming a day the date entry fields accept.
    static bool ParseDay(std::string_view text, COleDateTime& day);
    // Exactly twelve digits: such a day and a time hhmm.
    static bool ParseMoment(std::string_view text, COleDateTime& moment);
    // A whole decimal number and nothing else.
    static bool ParseNumber(std::string_view text, int& value);

private:
    std::map<std::string_view, std::string_view> values_;
};

}  // namespace qb::cli
