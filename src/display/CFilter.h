#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace qb {

// One filter condition: the rows whose text in a column (or whose caption,
// column id kCaptions) equals one of the accepted values, line breaks
// removed, stay shown.
struct CFilter {
    static constexpr std::int32_t kCaptions = -1;

    std::int32_t columnId = kCaptions;
    std::vector<std::string> values;
    std::uint8_t flags = 0;

    bool IsCaptionCondition() const { return columnId == kCaptions || columnId == -2; }
};

}  // namespace qb
