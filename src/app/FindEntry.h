#pragma once

#include <cstdint>
#include <string>

namespace qb {

// One line of the find window's list: the object it names and the four
// columns "テキスト", "表示状態", "x位置", "y位置".
struct FindEntry {
    std::int32_t id = -1;
    // The display object type: schedule or memo.
    int type = 0;
    std::string text;
    std::string state;
    std::string x;
    std::string y;
};

}  // namespace qb
