#pragma once

#include <map>
#include <string>
#include <variant>

#include "ISettingsStore.h"

namespace qb {

// Settings kept in memory only: for tests and for runs that must not touch
// the user's real settings.
class InMemorySettingsStore : public ISettingsStore {
public:
    std::optional<std::int32_t> ReadInt(std::string_view section,
                                        std::string_view name) const override;
    std::optional<std::string> ReadString(std::string_view section,
                                          std::string_view name) const override;
    void WriteInt(std::string_view section, std::string_view name, std::int32_t value) override;
    void WriteString(std::string_view section, std::string_view name,
                     std::string_view value) override;
    void Remove(std::string_view section, std::string_view name) override;
    void RemoveSection(std::string_view section) override;
    std::vector<std::string> ValueNames(std::string_view section) const override;
    std::vector<std::string> SectionNames(std::string_view prefix) const override;

private:
    using Value = std::variant<std::int32_t, std::string>;
    using Section = std::map<std::string, Value, std::less<>>;
    const Value* Find(std::string_view section, std::string_view name) const;

    std::map<std::string, Section, std::less<>> sections_;
};

}  // namespace qb
