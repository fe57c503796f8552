#pragma once

#include <string>

#include "COleDateTime.h"
#include "ViewStatus.h"

namespace qb {

class ISettingsStore;

// Reads and writes the per-file view status ("PrevStatus/" + file name
// without its folder), and clears out the entries of files long unopened.
class ViewStatusStore {
public:
    static constexpr const char* kPrefix = "PrevStatus/";

    explicit ViewStatusStore(ISettingsStore& store) : store_(store) {}

    // path may be a full path: only its file name counts.
    ViewStatus Load(const std::string& path) const;
    void Save(const std::string& path, const ViewStatus& status);
    // Removes every entry last closed no later than ten days before now (or
    // never); returns how many.
    int Cleanup(const COleDateTime& now);

private:
    ISettingsStore& store_;
};

}  // namespace qb
