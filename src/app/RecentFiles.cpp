#include "RecentFiles.h"

#include <algorithm>

#include "ISettingsStore.h"

namespace qb {

void RecentFiles::Add(const std::string& path) {
    if (path.empty())
        return;
    std::erase(entries_, path);
    entries_.insert(entries_.begin(), path);
    if (entries_.size() > static_cast<std::size_t>(kMaxEntries))
        entries_.resize(kMaxEntries);
}

void RecentFiles::Load(const ISettingsStore& store) {
    entries_.clear();
    for (int number = 1; number <= kMaxEntries; ++number) {
        std::optional<std::string> path = store.ReadString(kSection, std::to_string(number));
        if (path && !path->empty())
            entries_.push_back(*path);
    }
}

void RecentFiles::Save(ISettingsStore& store) const {
    for (int number = 1; number <= kMaxEntries; ++number) {
        const auto index = static_cast<std::size_t>(number - 1);
        const std::string name = std::to_string(number);
        // Slots past the end are cleared, or an older list would show through.
        if (index < entries_.size())
            store.WriteString(kSection, name, entries_[index]);
        else
            store.Remove(kSection, name);
    }
}

}  // namespace qb
