// Project-set files list the paths of the projects a user opens together.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "ProjectSetFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto members =
        qb::ProjectSetFile::Parse(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!members)
        return 0;
    // A set read is written and read back to the same members.
    const auto again = qb::ProjectSetFile::Parse(qb::ProjectSetFile::Format(*members));
    if (!again || *again != *members)
        __builtin_trap();
    return 0;
}
