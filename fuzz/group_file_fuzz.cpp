// A group file comes from another program, over a share, perhaps half
// written: whatever the reader accepts must fit in the bytes it was given.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "GroupFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto group = qb::GroupFile::Read(bytes);
    // Every member takes at least its two length bytes.
    if (group && group->members.size() * 2 > size)
        std::abort();
    return 0;
}
