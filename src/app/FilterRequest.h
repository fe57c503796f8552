#pragma once

#include <string>
#include <vector>

namespace qb {

// What the filter dialog ("フィルタ") offers: four lists joined by "OR", each
// with "(設定なし)" first and then the candidates; the values of the
// condition that exists preselect the lists in order.
struct FilterRequest {
    static constexpr int kLists = 4;
    // The column's caption, or the rows' text for the caption filter.
    std::string target;
    std::vector<std::string> candidates;
    std::vector<std::string> chosen;
    // The caption filter in box mode judges only the rows without children;
    // the dialog says so.
    bool leafRowsOnly = false;
};

}  // namespace qb
