#include "DateText.h"

#include <climits>
#include <cstdarg>
#include <cstdio>

namespace qb {

namespace {

constexpr const char* kPropertyFormat = "%04d/%02d/%02d %02d:%02d:%02d(%d)";
constexpr int kPropertyNumbers = 7;

__attribute__((format(printf, 1, 2))) std::string Format(const char* format, ...) {
    char buffer[128];
    va_list args;
    va_start(args, format);
    const int length = std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    if (length < 0) {
        return std::string();
    }
    return std::string(buffer, static_cast<std::size_t>(length) < sizeof buffer
                                   ? static_cast<std::size_t>(length)
                                   : sizeof buffer - 1);
}

std::string NotValidWord(const COleDateTime& value) {
    return value.IsNull() ? "null" : "invalid";
}

std::string WeekdaySuffix(const COleDateTime::Fields& fields, bool withWeekday) {
    std::string suffix;
    if (withWeekday) {
        suffix.append("(").append(DateText::WeekdayName(fields.dayOfWeek, true)).append(")");
    }
    return suffix;
}

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// One "%d" conversion of scanf: optional white space, an optional sign and at
// least one digit, all within the field width (0 for none). A number too large
// for an int is held at the int limit rather than overflowing.
bool ScanNumber(std::string_view text, std::size_t& pos, std::size_t width, int& number) {
    while (pos < text.size() && IsSpace(text[pos])) {
        ++pos;
    }
    const std::size_t end = width == 0 || text.size() - pos < width ? text.size() : pos + width;
    bool negative = false;
    if (pos < end && (text[pos] == '-' || text[pos] == '+')) {
        negative = text[pos] == '-';
        ++pos;
    }
    const std::size_t firstDigit = pos;
    long long magnitude = 0;
    for (; pos < end && IsDigit(text[pos]); ++pos) {
        magnitude = magnitude * 10 + (text[pos] - '0');
        if (magnitude > static_cast<long long>(INT_MAX) + 1) {
            magnitude = static_cast<long long>(INT_MAX) + 1;
        }
    }
    if (pos == firstDigit) {
        return false;
    }
    const long long signedValue = negative ? -magnitude : magnitude;
    number = static_cast<int>(signedValue > INT_MAX ? INT_MAX : signedValue);
    return true;
}

// Reads text against a format made of "%Nd" conversions, white space (any run,
// also none) and literal characters, the way sscanf does; answers how many
// numbers were read before the first mismatch.
int ScanNumbers(std::string_view text, std::string_view format, int* numbers, int capacity) {
    int count = 0;
    std::size_t pos = 0;
    for (std::size_t f = 0; f < format.size() && count < capacity; ++f) {
        if (format[f] == '%') {
            std::size_t width = 0;
            for (++f; f < format.size() && IsDigit(format[f]); ++f) {
                width = width * 10 + static_cast<std::size_t>(format[f] - '0');
            }
            if (!ScanNumber(text, pos, width, numbers[count])) {
                break;
            }
            ++count;
        } else if (IsSpace(format[f])) {
            while (pos < text.size() && IsSpace(text[pos])) {
                ++pos;
            }
        } else if (pos < text.size() && text[pos] == format[f]) {
            ++pos;
        } else {
            break;
        }
    }
    return count;
}

}  // namespace

std::string DateText::PropertyText(const COleDateTime& value) {
    COleDateTime::Fields f;
    if (!value.GetFields(f)) {
        return std::string();
    }
    return Format(kPropertyFormat, f.year, f.month, f.day, f.hour, f.minute, f.second,
                  static_cast<int>(value.GetStatus()));
}

COleDateTime DateText::ParsePropertyText(std::string_view text, const COleDateTime& defaultValue) {
    int n[kPropertyNumbers] = {};
    if (ScanNumbers(text, kPropertyFormat, n, kPropertyNumbers) != kPropertyNumbers) {
        return defaultValue;
    }
    return COleDateTime(n[0], n[1], n[2], n[3], n[4], n[5]);
}

std::string DateText::CompactDate(const COleDateTime& value) {
    COleDateTime::Fields f;
    if (!value.GetFields(f)) {
        return NotValidWord(value);
    }
    return Format("%04d%02d%02d", f.year, f.month, f.day);
}

std::string DateText::CompactDateTime(const COleDateTime& value) {
    COleDateTime::Fields f;
    if (!value.GetFields(f)) {
        return NotValidWord(value);
    }
    return Format("%04d%02d%02d%02d%02d", f.year, f.month, f.day, f.hour, f.minute);
}

std::string DateText::SlashDate(const COleDateTime& value, bool withYear, bool withWeekday) {
    COleDateTime::Fields f;
    if (!value.GetFields(f)) {
        return std::string();
    }
    const std::string date =
        withYear ? Format("%d/%d/%d", f.year, f.month, f.day) : Format("%d/%d", f.month, f.day);
    return date + WeekdaySuffix(f, withWeekday);
}

std::string DateText::SlashDateTime(const COleDateTime& value, bool withYear, bool withWeekday) {
    COleDateTime::Fields f;
    if (!value.GetFields(f)) {
        return std::string();
    }
    return SlashDate(value, withYear, withWeekday) + Format(" %d:%02d", f.hour, f.minute);
}

std::string DateText::JapaneseDate(const COleDateTime& value, bool withYear, bool withWeekday) {
    COleDateTime::Fields f;
    if (!value.GetFields(f)) {
        return "null";
    }
    const std::string date = withYear ? Format("%d年%d月%d日", f.year, f.month, f.day)
                                      : Format("%d月%d日", f.month, f.day);
    return date + WeekdaySuffix(f, withWeekday);
}

std::string DateText::PlainSlashDate(const COleDateTime& value) {
    return Format("%d/%d/%d", value.GetYear(), value.GetMonth(), value.GetDay());
}

std::string DateText::WeekdayName(int index, bool japanese) {
    static constexpr const char* kJapanese[7] = {"日", "月", "火", "水", "木", "金", "土"};
    static constexpr const char* kEnglish[7] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    if (index < 1 || index > 7) {
        return std::string();
    }
    return japanese ? kJapanese[index - 1] : kEnglish[index - 1];
}

std::string DateText::MonthName(int month, bool longForm) {
    static constexpr const char* kShort[12] = {"Jan.", "Feb.", "Mar.", "Apr.", "May.", "Jun.",
                                               "Jul.", "Aug.", "Sep.", "Oct.", "Nov.", "Dec."};
    static constexpr const char* kLong[12] = {"January",   "February", "March",    "April",
                                              "May",       "June",     "July",     "August",
                                              "September", "October",  "November", "December"};
    if (month < 1 || month > 12) {
        return std::string();
    }
    return longForm ? kLong[month - 1] : kShort[month - 1];
}

std::string DateText::DateFieldText(const COleDateTime& value) {
    COleDateTime::Fields f;
    // An invalid value would otherwise read "null .." (its fields are -1).
    if (!value.GetFields(f)) {
        return "----年--月--日(－)";
    }
    const std::string text = JapaneseDate(value, true, true);
    return f.hour != 0 || f.minute != 0 ? text + " .." : text;
}

}  // namespace qb
