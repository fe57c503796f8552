#include "PropertyMap.h"

namespace qb {

std::size_t PropertyMap::IndexOf(std::string_view name) const {
    const std::size_t count = entries_.size();
    for (std::size_t step = 0; step < count; ++step) {
        std::size_t index = hint_ + step;
        if (index >= count)
            index -= count;
        if (entries_[index].first == name) {
            hint_ = index + 1 < count ? index + 1 : 0;
            return index;
        }
    }
    return count;
}

const std::string* PropertyMap::Find(std::string_view name) const {
    std::size_t index = IndexOf(name);
    return index < entries_.size() ? &entries_[index].second : nullptr;
}

std::string PropertyMap::Get(std::string_view name) const {
    const std::string* value = Find(name);
    return value ? *value : std::string();
}

void PropertyMap::Set(std::string_view name, std::string value) {
    std::size_t index = IndexOf(name);
    if (index < entries_.size()) {
        entries_[index].second = std::move(value);
    } else {
        entries_.emplace_back(std::string(name), std::move(value));
    }
}

bool PropertyMap::Remove(std::string_view name) {
    std::size_t index = IndexOf(name);
    if (index >= entries_.size())
        return false;
    entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(index));
    hint_ = 0;
    return true;
}

void PropertyMap::Clear() {
    entries_.clear();
    hint_ = 0;
}

bool PropertyMap::operator==(const PropertyMap& other) const {
    if (Size() != other.Size())
        return false;
    for (const Entry& entry : entries_) {
        const std::string* value = other.Find(entry.first);
        if (!value || *value != entry.second)
            return false;
    }
    return true;
}

}  // namespace qb
