// Object text arrives from the clipboard, so it may be anything.
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string_view>

#include "ObjectText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    try {
        auto object = qb::ObjectText::Read(text);
        if (object)
            (void)qb::ObjectText::Write(*object);
    } catch (const std::invalid_argument&) {
        // Refused input is the expected outcome for most of it.
    }
    return 0;
}
