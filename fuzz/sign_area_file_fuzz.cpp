// Sign area files are kept per user and may be damaged or hand-edited.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "SignAreaFile.h"
#include "XmlPlatform.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static qb::XmlPlatform platform;  // set up once, not per input
    qb::SignAreaFile file;
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    auto areas = file.ParseSignAreas(bytes);
    std::string again;
    if (!areas || !file.FormatSignAreas(*areas, again))
        return 0;
    // A lone LF read from a character reference comes back as CR LF, so the
    // text settles after one more round; from then on it must stay the same.
    auto settled = file.ParseSignAreas(again);
    if (!settled || !file.FormatSignAreas(*settled, again))
        __builtin_trap();
    auto reread = file.ParseSignAreas(again);
    if (!reread || *reread != *settled)
        __builtin_trap();
    return 0;
}
