#pragma once

#include <optional>
#include <span>
#include <string_view>

namespace qb {

// The paper sizes the print settings offer, by the printer interface's paper
// code. Sizes are in tenths of a millimetre, portrait (width below height).
struct PaperSize {
    int code;
    const char* name;
    int width;
    int height;

    static constexpr int kA4Code = 9;

    // In the order the settings dialog lists them.
    static std::span<const PaperSize> All();
    // A code the dialog does not offer gives A4.
    static const PaperSize& ForCode(int code);
    // "A3", "B4", "A4", "B5", "A5", "はがき" or "postcard".
    static std::optional<PaperSize> ForName(std::string_view name);
};

}  // namespace qb
