#pragma once

#include <string>
#include <string_view>

#include "COleDateTime.h"

namespace qb {

// Every text form in which a date is written or read, as UTF-8. The weekday in
// parentheses is always the Japanese name.
class DateText {
public:
    // "2017/02/24 00:00:00(0)": how a date property is held as text; empty
    // when the value is not valid.
    static std::string PropertyText(const COleDateTime& value);
    // Needs exactly seven numbers; the value is built from the first six (the
    // status number is ignored) and otherwise the default is returned.
    static COleDateTime ParsePropertyText(std::string_view text,
                                          const COleDateTime& defaultValue = COleDateTime::Null());

    // "20170224"; "invalid" or "null" when the value is not valid.
    static std::string CompactDate(const COleDateTime& value);
    // "201702241330"; "invalid" or "null" when the value is not valid.
    static std::string CompactDateTime(const COleDateTime& value);

    // "2017/2/24(金)", "2/24"; empty when the value is not valid.
    static std::string SlashDate(const COleDateTime& value, bool withYear, bool withWeekday);
    // "2017/2/24 13:05"; empty when the value is not valid.
    static std::string SlashDateTime(const COleDateTime& value, bool withYear, bool withWeekday);
    // "2017年2月24日(金)"; "null" when the value is not valid.
    static std::string JapaneseDate(const COleDateTime& value, bool withYear, bool withWeekday);
    // "2017/2/24" without a status test: a value that is not valid prints -1s.
    static std::string PlainSlashDate(const COleDateTime& value);

    // 1 Sunday .. 7 Saturday: "日".."土" or "Sun".."Sat"; empty for any other index.
    static std::string WeekdayName(int index, bool japanese);
    // 1..12: "Jan." .. "Dec." or "January" .. "December"; empty for any other number.
    static std::string MonthName(int month, bool longForm);

    // What a date field shows: the Japanese date with weekday, " .." after it
    // when the value has a time of day, and a placeholder when there is no date.
    static std::string DateFieldText(const COleDateTime& value);
};

}  // namespace qb
