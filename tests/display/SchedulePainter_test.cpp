#include "SchedulePainter.h"

#include <gtest/gtest.h>

#include "DisplaySettings.h"
#include "RecordingDrawContext.h"

namespace qb {
namespace {

using Op = RecordingDrawContext::Op;

ScheduleFields Bar() {
    ScheduleFields f;
    f.shape = ScheduleShape{0, 1, 10, 0, 0};
    f.height = 10;
    f.startDate = COleDateTime(2024, 1, 2, 0, 0, 0);
    f.endDate = COleDateTime(2024, 1, 5, 0, 0, 0);
    f.endOffset = 0;
    f.bgColor = 0x00CCFF;
    f.textColor = 0x112233;
    f.caption = "工事";
    return f;
}

ScheduleLayout Laid(const DrawRect& bar) {
    ScheduleLayout layout;
    layout.placed = true;
    layout.bar = bar;
    layout.caption = DrawRect{bar.left + 2, bar.top + 1, bar.right - 1, bar.bottom - 1};
    layout.captionFormat.singleLine = false;
    layout.bandTop = bar.top - 11;
    layout.bandBottom = bar.top - 1;
    layout.farY = bar.bottom;
    return layout;
}

TEST(SchedulePainter, PartlyProgressedBarIsDrawnWholeInGreyThenUpToTheSplit) {
    DisplaySettings settings;
    ScheduleFields f = Bar();
    f.progressRate = 250;
    RecordingDrawContext dc;
    SchedulePainter(settings).DrawBody(dc, f, Laid(DrawRect{10, 100, 110, 110}));

    const auto rects = dc.RecordsOf(Op::rectangle);
    ASSERT_EQ(rects.size(), 2u);
    EXPECT_EQ(rects[0].rect, (DrawRect{10, 100, 110, 110}));
    EXPECT_EQ(rects[0].state.pen.colour, SchedulePainter::kUnprogressedColour);
    EXPECT_EQ(rects[1].rect, (DrawRect{10, 100, 35, 110}));
    EXPECT_EQ(rects[1].state.brush, DrawBrush::Solid(0x00CCFF));

    const auto texts = dc.RecordsOf(Op::text);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].state.textColour, SchedulePainter::kUnprogressedColour);
    EXPECT_FALSE(texts[0].state.clip.has_value());
    // The caption in its own colour shows only over the progressed part.
    EXPECT_EQ(texts[1].state.textColour, 0x112233u);
    EXPECT_EQ(texts[1].state.clip, (DrawRect{10, 101, 35, 109}));
}

TEST(SchedulePainter, CompleteOrUnpaintedProgressDrawsTheShapeOnce) {
    DisplaySettings settings;
    ScheduleFields f = Bar();
    RecordingDrawContext dc;
    SchedulePainter(settings).DrawBody(dc, f, Laid(DrawRect{10, 100, 110, 110}));
    EXPECT_EQ(dc.RecordsOf(Op::rectangle).size(), 1u);
    EXPECT_EQ(dc.RecordsOf(Op::text).size(), 1u);

    settings.paintProgress = false;
    f.progressRate = 0;
    RecordingDrawContext plain;
    SchedulePainter(settings).DrawBody(plain, f, Laid(DrawRect{10, 100, 110, 110}));
    ASSERT_EQ(plain.RecordsOf(Op::rectangle).size(), 1u);
    EXPECT_EQ(plain.RecordsOf(Op::rectangle)[0].rect.right, 110);
}

TEST(SchedulePainter, ShoulderShowsStartAndPreviousDayForAnEndAtMidnight) {
    DisplaySettings settings;
    settings.showSpan = true;
    settings.showTerm = false;
    RecordingDrawContext dc;
    SchedulePainter(settings).DrawShoulder(dc, Bar(), Laid(DrawRect{10, 100, 110, 110}));
    const auto texts = dc.RecordsOf(Op::text);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].text, "2");
    EXPECT_EQ(texts[0].rect.left, 10);
    EXPECT_EQ(texts[0].rect.top, 89);
    EXPECT_EQ(texts[1].text, "4");
    EXPECT_EQ(texts[1].rect.right, 110);
}

TEST(SchedulePainter, DurationIsWrittenAtTheEndOnTheFarSide) {
    DisplaySettings settings;
    ScheduleFields f = Bar();
    f.endOffset = 5000;
    RecordingDrawContext dc;
    SchedulePainter(settings).DrawShoulder(dc, f, Laid(DrawRect{10, 100, 110, 110}));
    const auto texts = dc.RecordsOf(Op::text);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].text, "3.5");
    EXPECT_EQ(texts[0].rect.right, 110);
    EXPECT_EQ(texts[0].rect.top, 110);

    settings.showTerm = false;
    RecordingDrawContext hidden;
    SchedulePainter(settings).DrawShoulder(hidden, f, Laid(DrawRect{10, 100, 110, 110}));
    EXPECT_TRUE(hidden.Records().empty());
    SchedulePainter(settings).DrawShoulder(hidden, f, Laid(DrawRect{10, 100, 110, 110}), true);
    EXPECT_EQ(hidden.RecordsOf(Op::text).size(), 1u);
}

TEST(SchedulePainter, ByTimeDurationsCountTheHours) {
    DisplaySettings settings;
    ScheduleFields f = Bar();
    f.byDay = false;
    f.startDate = COleDateTime(2024, 1, 2, 6, 0, 0);
    f.endDate = COleDateTime(2024, 1, 3, 18, 0, 0);
    EXPECT_DOUBLE_EQ(SchedulePainter(settings).Duration(f), 1.5);
}

TEST(SchedulePainter, ActualLineIsFilledAndJoinedToTheBarByDottedLines) {
    DisplaySettings settings;
    settings.showSpan = true;
    ScheduleFields f = Bar();
    f.actualStartDate = COleDateTime(2024, 1, 3, 0, 0, 0);
    f.actualEndDate = COleDateTime(2024, 1, 6, 0, 0, 0);
    ScheduleLayout layout = Laid(DrawRect{10, 100, 110, 110});
    layout.actual = DrawRect{20, 112, 140, 116};
    RecordingDrawContext dc;
    SchedulePainter(settings).DrawActual(dc, f, layout);

    const auto fills = dc.RecordsOf(Op::fillRect);
    ASSERT_EQ(fills.size(), 1u);
    EXPECT_EQ(fills[0].rect, layout.actual);
    const auto texts = dc.RecordsOf(Op::text);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].text, "3");
    EXPECT_EQ(texts[0].rect.top, 102);
    EXPECT_EQ(texts[1].text, "5");
    const auto lines = dc.RecordsOf(Op::line);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].points, (std::vector<DrawPoint>{{10, 110}, {20, 112}}));
    EXPECT_EQ(lines[1].points, (std::vector<DrawPoint>{{110, 110}, {140, 112}}));

    settings.showActual = false;
    RecordingDrawContext off;
    SchedulePainter(settings).DrawActual(off, f, layout);
    EXPECT_TRUE(off.Records().empty());
}

TEST(SchedulePainter, UnplacedSchedulesDrawNothing) {
    DisplaySettings settings;
    settings.showSpan = true;
    ScheduleLayout layout = Laid(DrawRect{10, 100, 110, 110});
    layout.placed = false;
    layout.actual = DrawRect{20, 112, 140, 116};
    RecordingDrawContext dc;
    const SchedulePainter painter(settings);
    painter.DrawShoulder(dc, Bar(), layout);
    painter.DrawActual(dc, Bar(), layout);
    painter.DrawBody(dc, Bar(), layout);
    EXPECT_TRUE(dc.Records().empty());
}

}  // namespace
}  // namespace qb
