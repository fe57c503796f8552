#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

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

    // Object id lists as stored: each id written as "%d," and concatenated.
    // Parsing skips pieces that are not numbers.
    static std::string FormatIds(const std::vector<std::int32_t>& ids);
    static std::vector<std::int32_t> ParseIds(std::string_view text);
    // The section of a path's file name.
    static std::string SectionFor(const std::string& path);

private:
    ISettingsStore& store_;
};

}  // namespace qb
