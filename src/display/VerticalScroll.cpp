#include "VerticalScroll.h"

#include <algorithm>

namespace qb {

VerticalScroll VerticalScroll::Compute(int totalHeight, int clientHeight, int position) {
    VerticalScroll scroll;
    scroll.maximum = std::max(0, totalHeight) + kSlack;
    scroll.page = std::max(0, clientHeight);
    scroll.position = std::max(0, position);
    if (scroll.position + scroll.page > scroll.maximum)
        scroll.position = std::max(0, scroll.maximum - scroll.page);
    return scroll;
}

}  // namespace qb
