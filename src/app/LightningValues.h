#pragma once

#include <cstdint>

#include "COleDateTime.h"

namespace qb {

// What the progress line settings dialog shows and gives back.
struct LightningValues {
    static constexpr int kMinWidth = 1;
    static constexpr int kMaxWidth = 10;

    // The day the line stands on (a date without time).
    COleDateTime date;
    // 0x00BBGGRR.
    std::uint32_t colour = 0x0000FF;
    int width = 3;
    // The line is drawn (the display switch of the View menu).
    bool show = false;

    bool operator==(const LightningValues&) const = default;
};

}  // namespace qb
