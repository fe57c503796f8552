#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qb {

// The member list of a Tallyframe group, as read from its ".group" file.
struct GroupFile {
    // A member whose flags carry this bit is hidden in Tallyframe.
    static constexpr std::int32_t kHiddenMember = 0x40;

    struct Member {
        std::string name;
        // What the month files name the member by (compared exactly).
        std::string key;
        std::int32_t flags = 0;
        bool IsHidden() const { return (flags & kHiddenMember) != 0; }
    };

    std::string name;
    std::vector<Member> members;

    // The group read from the file's bytes, or nothing when they are damaged.
    // Every count is checked against the bytes left before anything is made
    // of it, so no file can make the reader allocate or loop beyond its size.
    static std::optional<GroupFile> Read(std::string_view bytes);
};

}  // namespace qb
