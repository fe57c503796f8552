#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qb {

// Where user settings survive a restart: named integer and text values in
// named sections ("Property", "RecentFiles", "PrevStatus/<file>", ...). The
// window build keeps them in an INI file; tests use the in-memory store.
// A missing value reads as empty, and the caller applies its default.
class ISettingsStore {
public:
    virtual ~ISettingsStore() = default;

    virtual std::optional<std::int32_t> ReadInt(std::string_view section,
                                                std::string_view name) const = 0;
    virtual std::optional<std::string> ReadString(std::string_view section,
                                                  std::string_view name) const = 0;
    virtual void WriteInt(std::string_view section, std::string_view name, std::int32_t value) = 0;
    virtual void WriteString(std::string_view section, std::string_view name,
                             std::string_view value) = 0;
    virtual void Remove(std::string_view section, std::string_view name) = 0;
    virtual void RemoveSection(std::string_view section) = 0;
    // Names of the values in a section, and of the sections below a prefix
    // ("PrevStatus/" lists every file that has a view status).
    virtual std::vector<std::string> ValueNames(std::string_view section) const = 0;
    virtual std::vector<std::string> SectionNames(std::string_view prefix) const = 0;
};

}  // namespace qb
