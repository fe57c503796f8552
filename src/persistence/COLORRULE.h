#pragma once

#include <string>

#include "ColorRef.h"

namespace qb {

// One entry of a colour rule set: what the colour means, and the colour
// (0x00BBGGRR; 0xFFFFFFFF when the file held no valid colour).
struct COLORRULE {
    std::string text;
    ColorRef colour = 0;

    bool operator==(const COLORRULE&) const = default;
};

}  // namespace qb
