#include "EmptyChartPainter.h"

#include <gtest/gtest.h>

#include "RecordingDrawContext.h"

namespace qb {
namespace {

TEST(EmptyChartPainter, TheBoxHasATwoPixelFrameAndTheTextItsTwoLines) {
    RecordingDrawContext dc;
    EmptyChartPainter::Paint(dc, EmptyChartPainter::kNoDocumentText);
    const auto frames = dc.RecordsOf(RecordingDrawContext::Op::frameRect);
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_EQ(frames[0].rect, (DrawRect{35, 35, 450, 100}));
    EXPECT_EQ(frames[1].rect, (DrawRect{36, 36, 449, 99}));
    const auto texts = dc.RecordsOf(RecordingDrawContext::Op::text);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].text, "[ファイル]→[新規作成] で新しいファイルを作成します。");
    EXPECT_EQ(texts[0].rect.left, 50);
    EXPECT_EQ(texts[0].rect.top, 50);
    EXPECT_EQ(texts[1].text, "[ファイル]→[開く] で既存のファイルを開きます。");
    EXPECT_EQ(texts[1].rect.top, 68);
}

TEST(EmptyChartPainter, OneLineTextDrawsOneLineAndLeavesTheStateAsItWas) {
    RecordingDrawContext dc;
    EmptyChartPainter::Paint(dc, "一行だけ");
    EXPECT_EQ(dc.RecordsOf(RecordingDrawContext::Op::text).size(), 1u);
    const std::string log = dc.LogText();
    EXPECT_EQ(log.rfind("restore"), log.size() - std::string("restore\n").size());
}

}  // namespace
}  // namespace qb
