#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "COleDateTime.h"
#include "ColorRef.h"

namespace qb {

// One built row of the ruler: cell i runs from boundaries[i] to
// boundaries[i + 1] (chart pixels) and starts on ticks[i]. The row has one
// boundary and one tick more than it has cells. Day rows of the lower band
// also carry each cell's text and background colour.
struct RulerRow {
    std::vector<COleDateTime> ticks;
    std::vector<int> boundaries;
    std::vector<std::string> labels;
    std::vector<ColorRef> textColours;
    std::vector<ColorRef> backgroundColours;

    std::size_t CellCount() const { return labels.size(); }
    bool HasColours() const { return !textColours.empty(); }
};

}  // namespace qb
