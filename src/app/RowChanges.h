#pragma once

#include <cstdint>
#include <optional>

#include "CFontInfo.h"
#include "CPenInfo.h"
#include "ColorRef.h"

namespace qb {

// The bulk row change ("段の一括変更"): each value that is set is given to
// every selected row; the others stay as each row has them. The dialog
// opens with the values of the first selected row, none of them set.
struct RowChanges {
    struct Values {
        std::int32_t height = 40;
        std::int32_t width = 64;
        ColorRef textColor = kBlack;
        ColorRef backColor = 0xFFFFFF;
        CFontInfo textFont;
        CPenInfo bottomLinePen;
        CPenInfo rightLinePen;
    };

    Values values;
    bool height = false;
    bool width = false;
    bool textColor = false;
    bool backColor = false;
    bool textFont = false;
    bool bottomLinePen = false;
    bool rightLinePen = false;

    bool Any() const {
        return height || width || textColor || backColor || textFont || bottomLinePen ||
               rightLinePen;
    }
};

}  // namespace qb
