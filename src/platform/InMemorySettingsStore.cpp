#include "InMemorySettingsStore.h"

namespace qb {

const InMemorySettingsStore::Value* InMemorySettingsStore::Find(std::string_view section,
                                                                std::string_view name) const {
    auto s = sections_.find(section);
    if (s == sections_.end())
        return nullptr;
    auto v = s->second.find(name);
    return v == s->second.end() ? nullptr : &v->second;
}

std::optional<std::int32_t> InMemorySettingsStore::ReadInt(std::string_view section,
                                                           std::string_view name) const {
    const Value* value = Find(section, name);
    if (!value)
        return std::nullopt;
    if (auto* number = std::get_if<std::int32_t>(value))
        return *number;
    return std::nullopt;
}

std::optional<std::string> InMemorySettingsStore::ReadString(std::string_view section,
                                                             std::string_view name) const {
    const Value* value = Find(section, name);
    if (!value)
        return std::nullopt;
    if (auto* text = std::get_if<std::string>(value))
        return *text;
    return std::to_string(std::get<std::int32_t>(*value));
}

void InMemorySettingsStore::WriteInt(std::string_view section, std::string_view name,
                                     std::int32_t value) {
    sections_[std::string(section)][std::string(name)] = value;
}

void InMemorySettingsStore::WriteString(std::string_view section, std::string_view name,
                                        std::string_view value) {
    sections_[std::string(section)][std::string(name)] = std::string(value);
}

void InMemorySettingsStore::Remove(std::string_view section, std::string_view name) {
    auto s = sections_.find(section);
    if (s == sections_.end())
        return;
    auto v = s->second.find(name);
    if (v != s->second.end())
        s->second.erase(v);
}

void InMemorySettingsStore::RemoveSection(std::string_view section) {
    auto s = sections_.find(section);
    if (s != sections_.end())
        sections_.erase(s);
}

std::vector<std::string> InMemorySettingsStore::ValueNames(std::string_view section) const {
    std::vector<std::string> names;
    auto s = sections_.find(section);
    if (s == sections_.end())
        return names;
    for (const auto& entry : s->second)
        names.push_back(entry.first);
    return names;
}

std::vector<std::string> InMemorySettingsStore::SectionNames(std::string_view prefix) const {
    std::vector<std::string> names;
    for (const auto& entry : sections_) {
        if (entry.first.compare(0, prefix.size(), prefix) == 0)
            names.push_back(entry.first);
    }
    return names;
}

}  // namespace qb
