#pragma once

#include <string_view>
#include <vector>

#include "FindEntry.h"
#include "FindOptions.h"

namespace qb {

class CDisplayModel;
class CGuiObject;
class CGuiRow;

// Lists the schedules and memos whose texts hold a search string: first the
// schedules in the order the chart holds them, then the memos, each once,
// with whether the chart shows it, its date and its row.
class ObjectFinder {
public:
    static constexpr const char* kShown = "○";
    static constexpr const char* kNotShown = "×";
    static constexpr const char* kOutsidePeriod = "表示期間外";

    static std::vector<FindEntry> Search(const CDisplayModel& model, std::string_view text,
                                         const FindOptions& options);

    // The object lies within the project's display period (every object
    // does while the project sets none).
    static bool InDisplayPeriod(const CGuiObject& object, const CDisplayModel& model);
    // kShown, kNotShown or kOutsidePeriod.
    static const char* StateOf(const CGuiObject& object, const CDisplayModel& model);
    // With the overflow option only objects placed at or below their row's
    // height count; such an object cannot be seen on its row.
    static bool Overflows(int yOffset, const CGuiRow* row);
};

}  // namespace qb
