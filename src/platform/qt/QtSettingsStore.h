#pragma once

#include <QSettings>
#include <QString>

#include "ISettingsStore.h"

namespace qb {

// The user's settings in an INI file. A section is an INI group, so that
// "PrevStatus/<file>" nests below "PrevStatus"; integers are written as
// decimal text and any value reads back as text.
class QtSettingsStore : public ISettingsStore {
public:
    // "$XDG_CONFIG_HOME/Torvane/Quellbrandiren.conf", with ~/.config when the
    // variable is unset or not an absolute path.
    static QString DefaultPath();

    // Nothing is created until a value is written.
    explicit QtSettingsStore(const QString& path);

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

    // Writes pending changes to the file (also done on destruction).
    void Sync();

private:
    std::optional<QString> Read(std::string_view section, std::string_view name) const;

    // QSettings reads lazily and keeps a cache, so reads are not const to it.
    mutable QSettings settings_;
};

}  // namespace qb
