#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace qb {

// Name to value text, kept in the order the names were first stored. Objects
// store and load their properties in one fixed order, so lookups start where
// the previous one ended and are nearly always found at once.
class PropertyMap {
public:
    using Entry = std::pair<std::string, std::string>;
    using const_iterator = std::vector<Entry>::const_iterator;

    // The value stored under name, or null.
    const std::string* Find(std::string_view name) const;
    // The value stored under name, or empty text.
    std::string Get(std::string_view name) const;
    bool Contains(std::string_view name) const { return Find(name) != nullptr; }
    void Set(std::string_view name, std::string value);
    // Removes the entry; returns whether there was one.
    bool Remove(std::string_view name);
    void Clear();

    std::size_t Size() const { return entries_.size(); }
    bool Empty() const { return entries_.empty(); }
    const_iterator begin() const { return entries_.begin(); }
    const_iterator end() const { return entries_.end(); }

    // Same names with the same values, in any order.
    bool operator==(const PropertyMap& other) const;

private:
    std::size_t IndexOf(std::string_view name) const;

    std::vector<Entry> entries_;
    mutable std::size_t hint_ = 0;
};

}  // namespace qb
