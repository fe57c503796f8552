#include "PaperSize.h"

#include <array>

namespace qb {
namespace {

// B4 and B5 are the Japanese B sizes; the postcard is the Japanese one.
constexpr std::array<PaperSize, 6> kSizes{{
    {8, "A3", 2970, 4200},
    {12, "B4", 2570, 3640},
    {9, "A4", 2100, 2970},
    {13, "B5", 1820, 2570},
    {11, "A5", 1480, 2100},
    {43, "はがき", 1000, 1480},
}};

}  // namespace

std::span<const PaperSize> PaperSize::All() {
    return kSizes;
}

const PaperSize& PaperSize::ForCode(int code) {
    for (const PaperSize& size : kSizes)
        if (size.code == code)
            return size;
    return kSizes[2];
}

std::optional<PaperSize> PaperSize::ForName(std::string_view name) {
    if (name == "postcard")
        return kSizes[5];
    for (const PaperSize& size : kSizes)
        if (name == size.name)
            return size;
    return std::nullopt;
}

}  // namespace qb
