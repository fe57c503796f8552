// Style files are kept per user and may be damaged or hand-edited.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "StyleFile.h"
#include "XmlPlatform.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static qb::XmlPlatform platform;  // set up once, not per input
    qb::StyleFile file;
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    auto styles = file.ParseStyles(bytes);
    if (!styles)
        return 0;
    // Whatever was read must write again and read back to as many elements.
    std::string again;
    if (!file.FormatStyles(*styles, again))
        __builtin_trap();
    auto reread = file.ParseStyles(again);
    if (!reread || reread->GetStyles().GetCount(true) != styles->GetStyles().GetCount(true))
        __builtin_trap();
    return 0;
}
