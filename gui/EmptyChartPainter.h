#pragma once

#include <string_view>

namespace qb {

class IDrawContext;

// The boxed hint the chart shows instead of a chart: with no document open,
// and with a project that has no rows yet.
class EmptyChartPainter {
public:
    static constexpr std::string_view kNoDocumentText =
        "[ファイル]→[新規作成] で新しいファイルを作成します。\r\n"
        "[ファイル]→[開く] で既存のファイルを開きます。";
    static constexpr std::string_view kNoRowsText =
        "まず最初に“段”を作成します。\r\n"
        "F11キーを押すか、一番左のペインの余白をダブルクリックします。";

    // The white box with its 2-pixel frame and the text's two lines.
    static void Paint(IDrawContext& dc, std::string_view text);
};

}  // namespace qb
