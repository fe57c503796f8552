#pragma once

namespace qb {

// What the dialog "負荷グラフの設定" shows and takes: the height as the user
// enters it (the stored height less one).
struct LoadGraphValues {
    int max = 20;
    int height = 50;
    int auxLine = 0;
    bool shownOnly = false;

    bool operator==(const LoadGraphValues&) const = default;
};

}  // namespace qb
