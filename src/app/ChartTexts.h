#pragma once

#include <string>

#include "ChartHint.h"

namespace qb {

class ChartScene;

// The chart's words: the boxes an empty chart shows, and the status bar's
// and tip's text for a chart hint.
class ChartTexts {
public:
    static constexpr const char* kNoDocument =
        "[ファイル]→[新規作成] で新しいファイルを作成します。\r\n"
        "[ファイル]→[開く] で既存のファイルを開きます。";
    static constexpr const char* kNoRows =
        "まず最初に“段”を作成します。\r\n"
        "F11キーを押すか、一番左のペインの余白をダブルクリックします。";

    static constexpr const char* kNoData =
        "表示するデータがありません。\r\n新規作成するか、既存のデータを開いて下さい。";
    static constexpr const char* kNoRow = "段がないところには、スケジュールを作成できません。";
    static constexpr const char* kSummaryRow =
        "この段にスケジュールを作成するには、サマリー表示モードを解除して下さい。";
    static constexpr const char* kPosition = "現在位置: ";
    static constexpr const char* kDoubleClick = "ダブルクリックするとスケジュールを作成できます。";
    static constexpr const char* kDrag = "マウスドラッグするとスケジュールを作成できます。";

    // Gives the scene the words of the empty chart's boxes.
    static void Install(ChartScene& scene);
    // As the chart words it, lines broken by "\r\n".
    static std::string Text(const ChartHint& hint);
    static std::string OneLine(const ChartHint& hint);
};

}  // namespace qb
