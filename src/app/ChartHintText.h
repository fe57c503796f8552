#pragma once

#include <string>

#include "ChartHint.h"

namespace qb {

// The words of the status bar and the chart's tip for a chart hint, on one
// line.
class ChartHintText {
public:
    static constexpr const char* kNoData =
        "表示するデータがありません。\r\n新規作成するか、既存のデータを開いて下さい。";
    static constexpr const char* kNoRow = "段がないところには、スケジュールを作成できません。";
    static constexpr const char* kSummaryRow =
        "この段にスケジュールを作成するには、サマリー表示モードを解除して下さい。";
    static constexpr const char* kPosition = "現在位置: ";
    static constexpr const char* kDoubleClick = "ダブルクリックするとスケジュールを作成できます。";
    static constexpr const char* kDrag = "マウスドラッグするとスケジュールを作成できます。";

    // As the chart words it, lines broken by "\r\n".
    static std::string Text(const ChartHint& hint);
    static std::string OneLine(const ChartHint& hint);
};

}  // namespace qb
