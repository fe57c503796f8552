#pragma once

#include <string>
#include <string_view>

#include "PropertyVisitor.h"

namespace qb {

class CData;

// Sets one typed property of a data object from its value text, strictly:
// unlike loading a file, text that does not read as the property's type is
// refused instead of giving the default. The object's listeners hear of an
// effective change.
class PropertyAssigner final : public PropertyVisitor {
public:
    enum class Outcome { kUnknown, kFixed, kBadValue, kUnchanged, kChanged };

    // Checks only (nothing is assigned) when apply is false.
    static Outcome Assign(CData& object, std::string_view name, std::string_view text, bool apply);
    // Identity and audit values belong to the edit machinery, not the user.
    static bool IsFixed(std::string_view name);

    void Text(const char* name, std::string& value) override;
    void Text(const char* name, CompactText& value) override;
    void Integer(const char* name, std::int32_t& value) override;
    void Alignment(const char* name, std::int8_t& value) override;
    void Boolean(const char* name, bool& value) override;
    void Colour(const char* name, ColorRef& value) override;
    void Date(const char* name, COleDateTime& value) override;
    void Font(const char* name, CFontInfo& value) override;
    void Pen(const char* name, CPenInfo& value) override;

private:
    PropertyAssigner(CData& owner, std::string_view name, std::string_view text, bool apply)
        : owner_(owner), name_(name), text_(text), apply_(apply) {}

    bool Matches(const char* name);
    template <class T>
    void Store(T& field, const T& value);

    CData& owner_;
    std::string_view name_;
    std::string_view text_;
    bool apply_;
    Outcome outcome_ = Outcome::kUnknown;
};

}  // namespace qb
