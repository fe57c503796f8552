// A native file may come from anywhere: another program, a damaged disk, a
// stranger's mail. Whatever the reader accepts must write back and read again.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "ProjectArchive.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    qb::ErrorSlot error;
    auto project = qb::ProjectArchive::ReadProjectArchive(bytes, error);
    if (!project) {
        if (!error.Failed())
            std::abort();  // a refusal must say why
        return 0;
    }
    const std::string written = qb::ProjectArchive::WriteProjectArchive(*project);
    auto again = qb::ProjectArchive::ReadProjectArchive(written, error);
    // What was written is read back, and writes the same bytes once more.
    if (!again || qb::ProjectArchive::WriteProjectArchive(*again) != written)
        std::abort();
    return 0;
}
