#pragma once

#include <string>

#include "DrawTypes.h"

namespace qb {

class CDisplayModel;
class CRuler;

// The text the status bar and the chart's tip show for the mouse position.
class ChartHint {
public:
    static constexpr const char* kNoData =
        "表示するデータがありません。\r\n新規作成するか、既存のデータを開いて下さい。";
    static constexpr const char* kNoRow = "段がないところには、スケジュールを作成できません。";
    static constexpr const char* kSummaryRow =
        "この段にスケジュールを作成するには、サマリー表示モードを解除して下さい。";
    static constexpr const char* kPosition = "現在位置: ";
    static constexpr const char* kDoubleClick = "ダブルクリックするとスケジュールを作成できます。";
    static constexpr const char* kDrag = "マウスドラッグするとスケジュールを作成できます。";

    struct Input {
        // null: no project open.
        const CDisplayModel* model = nullptr;
        const CRuler* ruler = nullptr;
        bool inClient = true;
        DrawPoint chartPoint;
        bool summaryMode = false;
        // The palette's current shape is of the point type.
        bool pointShape = false;
    };

    static std::string Text(const Input& input);
};

}  // namespace qb
