#pragma once

namespace qb {

// What becomes of the objects linked to a schedule that was moved or resized
// by whole days: the three choices of "連結されたオブジェクトの移動".
enum class LinkedChoice { kAll = 1, kSuccessors = 2, kOnlyThis = 3 };

// The dialog's question: the whole days the schedule moved (negative:
// earlier), the preselected choice and whether "次回からこのウィンドウを表示しない"
// is ticked when it opens.
struct LinkedMoveQuestion {
    int days = 0;
    LinkedChoice choice = LinkedChoice::kOnlyThis;
    bool dontShowAgain = false;
};

// The user's answer: the choice (OK or F1/F2/F3) and the box as left.
struct LinkedMoveAnswer {
    LinkedChoice choice = LinkedChoice::kOnlyThis;
    bool dontShowAgain = false;
};

}  // namespace qb
