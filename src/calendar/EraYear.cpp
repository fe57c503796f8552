#include "EraYear.h"

#include <string_view>
#include <utility>

#include "CalendarSettings.h"

namespace qb {

namespace {

constexpr int kShowaFirstYear = 1926;
constexpr int kHeiseiFirstYear = 1989;
constexpr int kReiwaFirstYear = 2019;
constexpr int kReiwaFirstMonth = 5;

bool IsReiwaOrLater(int year, int month) {
    return year > kReiwaFirstYear || (year == kReiwaFirstYear && month >= kReiwaFirstMonth);
}

std::string LongNumber(int number) {
    return number == 1 ? std::string("元") : std::to_string(number);
}

// Appending keeps GCC 12 from warning about a literal put in front of a string.
std::string Join(std::string_view name, std::string_view number) {
    std::string text(name);
    text.append(number);
    return text;
}

}  // namespace

EraYear::EraYear(std::string customName, std::string customShortName, const COleDateTime& start)
    : customName_(std::move(customName)), customShortName_(std::move(customShortName)) {
    COleDateTime::Fields fields;
    if (start != COleDateTime() && start.GetFields(fields)) {
        startYear_ = fields.year;
        startMonth_ = fields.month;
    }
}

EraYear EraYear::FromSettings(const CalendarSettings& settings) {
    return EraYear(settings.heisei3Name, settings.heisei3Abbreviation, settings.heisei3Date);
}

bool EraYear::IsCustomEraInForce(int year, int month) const {
    if (customName_.empty() || startYear_ == 0 || !IsReiwaOrLater(year, month)) {
        return false;
    }
    return year > startYear_ || (year == startYear_ && month >= startMonth_);
}

std::string EraYear::LongForm(int year, int month) const {
    if (year < kShowaFirstYear) {
        return std::to_string(year);
    }
    if (year < kHeiseiFirstYear) {
        return Join("昭和", LongNumber(year - kShowaFirstYear + 1));
    }
    if (!IsReiwaOrLater(year, month)) {
        return Join("平成", LongNumber(year - kHeiseiFirstYear + 1));
    }
    if (IsCustomEraInForce(year, month)) {
        return Join(customName_, LongNumber(year - startYear_ + 1));
    }
    return Join("令和", LongNumber(year - kReiwaFirstYear + 1));
}

std::string EraYear::ShortForm(int year, int month) const {
    if (year < kShowaFirstYear) {
        return std::to_string(year);
    }
    if (year < kHeiseiFirstYear) {
        return Join("S", std::to_string(year - kShowaFirstYear + 1));
    }
    if (!IsReiwaOrLater(year, month)) {
        return Join("H", std::to_string(year - kHeiseiFirstYear + 1));
    }
    if (IsCustomEraInForce(year, month)) {
        return Join(customShortName_, std::to_string(year - startYear_ + 1));
    }
    return Join("R", std::to_string(year - kReiwaFirstYear + 1));
}

}  // namespace qb
