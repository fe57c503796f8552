#pragma once

#include <string>
#include <vector>

namespace qb {

class ISettingsStore;

// The recent-files list of the File menu: most recent first, at most ten.
class RecentFiles {
public:
    static constexpr const char* kSection = "RecentFiles";
    static constexpr int kMaxEntries = 10;
    // The menu items' command ids are kFirstCommand + index.
    static constexpr int kFirstCommand = 41000;

    void Add(const std::string& path);
    const std::vector<std::string>& Entries() const { return entries_; }
    void Load(const ISettingsStore& store);
    void Save(ISettingsStore& store) const;

private:
    std::vector<std::string> entries_;
};

}  // namespace qb
