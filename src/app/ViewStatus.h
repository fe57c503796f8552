#pragma once

#include <cstdint>
#include <vector>

#include "COleDateTime.h"

namespace qb {

// The view state kept per file name: when it was last closed, where the chart
// stood, what was folded and hidden, the print settings and the load graph.
// Default values are those of a file without an entry (a file with an entry
// that lacks PageAlign reads 0 there).
struct ViewStatus {
    COleDateTime last = COleDateTime::Null();
    COleDateTime leftPos = COleDateTime::Null();
    // Pixels per day of the day, month and year views; negative keeps the
    // current scale.
    double scale1 = -1;
    double scale2 = -1;
    double scale3 = -1;
    std::vector<std::int32_t> folded;
    std::vector<std::int32_t> rowHidden;
    std::vector<std::int32_t> columnHidden;
    int paperSize = 9;
    int orientation = 2;
    int marginLeft = 200;
    int marginTop = 200;
    int marginRight = 200;
    int marginBottom = 200;
    int pageAlign = 4;
    int pageFormat = 0;
    int progress = 0;
    int title = 1;
    int holiday = 1;
    int today = 1;
    int paintToday = 0;
    int printTitleSize = 0;
    int split1 = -1;
    int split2 = -1;
    int graphMax = 20;
    int graphHeight = 51;
    int graphShownOnly = 0;
    int graphSLine = 0;
    int showGraph = 1;
};

}  // namespace qb
