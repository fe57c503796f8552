#include "DateEntry.h"

#include <string>

namespace qb {

namespace {

constexpr std::size_t kDateLength = 8;
constexpr std::size_t kTimeLength = 4;

// At most four characters are read, so the number cannot overflow.
int LeadingNumber(std::string_view text) {
    int number = 0;
    for (char c : text) {
        if (c < '0' || c > '9') {
            break;
        }
        number = number * 10 + (c - '0');
    }
    return number;
}

int Part(std::string_view text, std::size_t pos, std::size_t length) {
    return LeadingNumber(text.substr(pos, length));
}

struct HourMinute {
    int hour = 0;
    int minute = 0;
    bool valid = false;
};

// The first four characters as hhmm; the caller ensures there are four.
HourMinute ReadHourMinute(std::string_view text) {
    HourMinute time;
    time.hour = Part(text, 0, 2);
    time.minute = Part(text, 2, 2);
    time.valid = time.hour >= 0 && time.hour < 24 && time.minute >= 0 && time.minute < 60;
    return time;
}

// The time entry text with ':' dropped and "hmm" widened to "hhmm".
std::string NormalisedTime(std::string_view text) {
    std::string digits;
    for (char c : text) {
        if (c != ':') {
            digits += c;
        }
    }
    if (digits.size() == 3) {
        digits.insert(digits.begin(), '0');
    }
    return digits;
}

HourMinute ReadTimeEntry(std::string_view text) {
    const std::string digits = NormalisedTime(text);
    if (digits.size() < kTimeLength) {
        return HourMinute{};
    }
    return ReadHourMinute(digits);
}

}  // namespace

bool DateEntry::IsValidCompactDate(std::string_view text) {
    if (text.size() < kDateLength) {
        return false;
    }
    const int year = Part(text, 0, 4);
    const int month = Part(text, 4, 2);
    const int day = Part(text, 6, 2);
    return year >= 1900 && year <= 2200 && month >= 1 && month <= 12 && day >= 1 &&
           day <= COleDateTime::DaysInMonth(year, month);
}

COleDateTime DateEntry::ParseCompactDate(std::string_view text) {
    if (!IsValidCompactDate(text)) {
        return COleDateTime::Invalid();
    }
    HourMinute time;
    const std::string_view timePart = text.substr(kDateLength);
    if (timePart.size() >= kTimeLength) {
        time = ReadHourMinute(timePart);
        if (!time.valid) {
            return COleDateTime::Invalid();
        }
    }
    return COleDateTime(Part(text, 0, 4), Part(text, 4, 2), Part(text, 6, 2), time.hour,
                        time.minute, 0);
}

bool DateEntry::IsValidTime(std::string_view text) {
    return ReadTimeEntry(text).valid;
}

COleDateTime DateEntry::ParseTime(std::string_view text) {
    const HourMinute time = ReadTimeEntry(text);
    if (!time.valid) {
        return COleDateTime::Null();
    }
    return COleDateTime(2000, 1, 1, time.hour, time.minute, 0);
}

}  // namespace qb
