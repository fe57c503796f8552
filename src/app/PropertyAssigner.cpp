#include "PropertyAssigner.h"

#include <charconv>
#include <cstdint>
#include <optional>
#include <vector>

#include "CData.h"
#include "DateText.h"
#include "ValueText.h"

namespace qb {
namespace {

template <class T>
std::optional<T> ReadNumber(std::string_view text) {
    T value{};
    const char* end = text.data() + text.size();
    auto [rest, failure] = std::from_chars(text.data(), end, value);
    if (text.empty() || failure != std::errc() || rest != end)
        return std::nullopt;
    return value;
}

// Colours travel as the decimal of their 32-bit value; pens carry them the
// same way, where older writers may have left them signed.
std::optional<ColorRef> ReadColour(std::string_view text) {
    if (auto value = ReadNumber<std::uint32_t>(text))
        return *value;
    if (auto value = ReadNumber<std::int32_t>(text))
        return static_cast<ColorRef>(*value);
    return std::nullopt;
}

std::vector<std::string_view> SplitCommas(std::string_view text) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (std::size_t comma; (comma = text.find(',', start)) != std::string_view::npos;) {
        parts.push_back(text.substr(start, comma - start));
        start = comma + 1;
    }
    parts.push_back(text.substr(start));
    return parts;
}

}  // namespace

PropertyAssigner::Outcome PropertyAssigner::Assign(CData& object, std::string_view name,
                                                   std::string_view text, bool apply) {
    if (IsFixed(name))
        return Outcome::kFixed;
    PropertyAssigner assigner(object, name, text, apply);
    object.VisitProperties(assigner);
    return assigner.outcome_;
}

bool PropertyAssigner::IsFixed(std::string_view name) {
    return name == "objectId" || name == "deleted" || name == "registrant" || name == "modifier" ||
           name == "lastModified";
}

bool PropertyAssigner::Matches(const char* name) {
    if (outcome_ != Outcome::kUnknown || name_ != name)
        return false;
    outcome_ = Outcome::kBadValue;
    return true;
}

template <class T>
void PropertyAssigner::Store(T& field, const T& value) {
    outcome_ = Outcome::kUnchanged;
    if (!apply_ || ValueText::Same(field, value))
        return;
    field = value;
    outcome_ = Outcome::kChanged;
    owner_.NotifyListeners();
}

void PropertyAssigner::Text(const char* name, std::string& value) {
    if (Matches(name))
        Store(value, std::string(text_));
}

void PropertyAssigner::Text(const char* name, CompactText& value) {
    if (Matches(name))
        Store(value, CompactText(text_));
}

void PropertyAssigner::Integer(const char* name, std::int32_t& value) {
    if (!Matches(name))
        return;
    if (auto number = ReadNumber<std::int32_t>(text_))
        Store(value, *number);
}

void PropertyAssigner::Alignment(const char* name, std::int8_t& value) {
    if (!Matches(name))
        return;
    auto number = ReadNumber<std::int32_t>(text_);
    if (number && *number >= 0 && *number <= 2)
        Store(value, ValueText::NormaliseAlignment(*number));
}

void PropertyAssigner::Boolean(const char* name, bool& value) {
    if (!Matches(name))
        return;
    if (text_ == "true" || text_ == "false")
        Store(value, text_ == "true");
}

void PropertyAssigner::Colour(const char* name, ColorRef& value) {
    if (!Matches(name))
        return;
    if (auto colour = ReadColour(text_))
        Store(value, *colour);
}

// Reading falls back on anything it cannot take, so only a valid result
// counts; "null" clears a date.
void PropertyAssigner::Date(const char* name, COleDateTime& value) {
    if (!Matches(name))
        return;
    if (text_ == "null") {
        Store(value, COleDateTime::Null());
        return;
    }
    const COleDateTime date = DateText::ParsePropertyText(text_, COleDateTime::Invalid());
    if (date.IsValid())
        Store(value, date);
}

// "face,size,style": the face may itself hold commas.
void PropertyAssigner::Font(const char* name, CFontInfo& value) {
    if (!Matches(name))
        return;
    const std::size_t last = text_.rfind(',');
    if (last == std::string_view::npos || last == 0)
        return;
    const std::size_t middle = text_.rfind(',', last - 1);
    if (middle == std::string_view::npos)
        return;
    auto size = ReadNumber<std::int32_t>(text_.substr(middle + 1, last - middle - 1));
    auto style = ReadNumber<std::int32_t>(text_.substr(last + 1));
    if (size && style)
        Store(value, CFontInfo(std::string(text_.substr(0, middle)), *size, *style, true));
}

void PropertyAssigner::Pen(const char* name, CPenInfo& value) {
    if (!Matches(name))
        return;
    const std::vector<std::string_view> parts = SplitCommas(text_);
    if (parts.size() != 3)
        return;
    auto style = ReadNumber<std::int32_t>(parts[0]);
    auto width = ReadNumber<std::int32_t>(parts[1]);
    auto colour = ReadColour(parts[2]);
    if (style && width && colour)
        Store(value, CPenInfo(*style, *width, *colour));
}

}  // namespace qb
