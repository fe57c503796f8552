#include "PrintEngine.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "CRuler.h"
#include "PageTexts.h"
#include "PrintFixture.h"
#include "RecordingDrawContext.h"

namespace qb {
namespace {

using Op = RecordingDrawContext::Op;

bool HasText(const RecordingDrawContext& dc, const std::string& text) {
    const auto texts = dc.RecordsOf(Op::text);
    return std::any_of(texts.begin(), texts.end(),
                       [&text](const auto& record) { return record.text == text; });
}

bool HasFill(const RecordingDrawContext& dc, DrawColour colour) {
    const auto fills = dc.RecordsOf(Op::fillRect);
    return std::any_of(fills.begin(), fills.end(),
                       [colour](const auto& record) { return record.colour == colour; });
}

class PrintEngineTest : public ::testing::Test {
protected:
    PrintEngineTest() : project_(MakePlan(60, 365)) {
        engine_.Settings().range = PrintSettings::Range::kWholePeriod;
    }

    RecordingDrawContext Draw(int index) {
        RecordingDrawContext dc;
        engine_.DrawPage(index, dc);
        return dc;
    }

    bool LayOut(bool preview = false) {
        return engine_.Layout(SourceOf(*project_), preview, COleDateTime(2027, 5, 6, 14, 7, 0));
    }

    std::unique_ptr<CProject> project_;
    PrintEngine engine_;
};

TEST_F(PrintEngineTest, EveryPageRepeatsTheRowHeaderTheRulerAndTheTitle) {
    ASSERT_TRUE(LayOut());
    const PrintLayout& layout = engine_.GetLayout();
    ASSERT_GT(layout.PagesAcross(), 1);
    ASSERT_GT(layout.PagesDown(), 1);
    for (int i = 0; i < engine_.PageCount(); ++i) {
        const RecordingDrawContext dc = Draw(i);
        const auto& page = layout.PageAt(i);
        const int firstRow = page.top / 40 + 1;
        EXPECT_TRUE(HasText(dc, "試験計画")) << i;
        EXPECT_TRUE(HasText(dc, "段" + std::to_string(firstRow))) << i;
        EXPECT_TRUE(HasText(dc, "段" + std::to_string((page.top + page.height) / 40))) << i;
        // The ruler labels the page's own first day.
        const COleDateTime first = engine_.From().AddDays(page.firstDay);
        EXPECT_TRUE(HasText(dc, std::to_string(first.GetDay()))) << i;
    }
}

TEST_F(PrintEngineTest, PageNumberCountsTheWholeLayout) {
    engine_.Settings().pageFormat = 6;
    engine_.Settings().pageAlign = 5;
    ASSERT_TRUE(LayOut());
    const int count = engine_.PageCount();
    ASSERT_GE(count, 3);
    EXPECT_TRUE(HasText(Draw(2), "3 / " + std::to_string(count)));
    EXPECT_FALSE(HasText(Draw(2), "2 / " + std::to_string(count)));
}

TEST_F(PrintEngineTest, OutputDateOffPrintsNothingAndThePreviewShowsThePlaceholder) {
    ASSERT_TRUE(LayOut());
    RecordingDrawContext off = Draw(0);
    EXPECT_FALSE(HasText(off, PageTexts::kDatePlaceholder));
    EXPECT_EQ(off.LogText().find("出力"), std::string::npos);

    engine_.Settings().outputDate = PageTexts::kDateTime;
    ASSERT_TRUE(LayOut(true));
    EXPECT_TRUE(HasText(Draw(0), PageTexts::kDatePlaceholder));
    ASSERT_TRUE(LayOut(false));
    EXPECT_TRUE(HasText(Draw(0), "2027/5/6 14:07 出力"));
    EXPECT_FALSE(HasText(Draw(0), PageTexts::kDatePlaceholder));
}

TEST_F(PrintEngineTest, StampAreasOnEveryPageOrOnTheFirstOnly) {
    project_->SetParamBool("_PrintSigns", true);
    project_->SetParam("_Signs", "担当\t課長\t部長");
    ASSERT_TRUE(LayOut());
    EXPECT_TRUE(HasText(Draw(0), "課長"));
    EXPECT_TRUE(HasText(Draw(1), "課長"));
    project_->SetParamBool("_PrintSignsP1", true);
    ASSERT_TRUE(LayOut());
    EXPECT_TRUE(HasText(Draw(0), "部長"));
    EXPECT_FALSE(HasText(Draw(1), "部長"));
    project_->SetParamBool("_PrintSigns", false);
    ASSERT_TRUE(LayOut());
    EXPECT_FALSE(HasText(Draw(0), "部長"));
}

TEST_F(PrintEngineTest, HeaderAndFooterTextsArePrinted) {
    project_->SetParam("_Header", "社外秘");
    project_->SetParamInt("_HeaderPos", 2);
    project_->SetParam("_Footer", "株式会社見本");
    ASSERT_TRUE(LayOut());
    const RecordingDrawContext dc = Draw(0);
    const auto texts = dc.RecordsOf(Op::text);
    const auto header =
        std::find_if(texts.begin(), texts.end(), [](const auto& r) { return r.text == "社外秘"; });
    ASSERT_NE(header, texts.end());
    EXPECT_EQ(header->format.horizontal, HorizontalAlign::right);
    EXPECT_TRUE(HasText(dc, "株式会社見本"));
}

TEST_F(PrintEngineTest, WeekendAndTodayColoursFollowTheirOptions) {
    const DrawColour saturday = 0xFFC0C0;
    const DrawColour today = 0x00FFFF;
    ASSERT_TRUE(LayOut());
    RecordingDrawContext on = Draw(0);
    EXPECT_TRUE(HasFill(on, saturday));
    EXPECT_TRUE(HasFill(on, today));
    engine_.Settings().holiday = false;
    engine_.Settings().today = false;
    ASSERT_TRUE(LayOut());
    RecordingDrawContext off = Draw(0);
    EXPECT_FALSE(HasFill(off, saturday));
    EXPECT_FALSE(HasFill(off, today));
}

TEST_F(PrintEngineTest, RangeComesFromTheScreenTheDatesOrTheWholePeriod) {
    PrintEngine::Source source = SourceOf(*project_);
    source.screenFrom = COleDateTime(2027, 6, 1, 9, 30, 0);
    source.screenTo = COleDateTime(2027, 6, 20, 18, 0, 0);
    engine_.Settings().range = PrintSettings::Range::kScreen;
    auto range = engine_.ResolveRange(source);
    ASSERT_TRUE(range);
    EXPECT_EQ(range->first, COleDateTime(2027, 6, 1, 0, 0, 0));
    EXPECT_EQ(range->second, COleDateTime(2027, 6, 20, 0, 0, 0));

    engine_.Settings().range = PrintSettings::Range::kDates;
    engine_.Settings().from = COleDateTime(2027, 7, 1, 0, 0, 0);
    engine_.Settings().to = COleDateTime::Null();
    range = engine_.ResolveRange(source);
    EXPECT_EQ(range->first, COleDateTime(2027, 7, 1, 0, 0, 0));
    EXPECT_EQ(range->second, COleDateTime(2027, 4, 1, 0, 0, 0).AddDays(364));

    engine_.Settings().range = PrintSettings::Range::kWholePeriod;
    range = engine_.ResolveRange(source);
    EXPECT_EQ(range->first, COleDateTime(2027, 4, 1, 0, 0, 0));
}

TEST_F(PrintEngineTest, PictureHoldsTheWholeRangeAndEveryRow) {
    engine_.Settings().range = PrintSettings::Range::kDates;
    engine_.Settings().from = COleDateTime(2027, 4, 1, 0, 0, 0);
    engine_.Settings().to = COleDateTime(2027, 4, 30, 0, 0, 0);
    ASSERT_TRUE(LayOut());
    const DrawSize size = engine_.PictureSize();
    EXPECT_EQ(size.width, 200 + 30 * 20);
    EXPECT_EQ(size.height, 40 + 60 * 40);
    RecordingDrawContext dc;
    engine_.DrawPicture(dc);
    EXPECT_TRUE(HasText(dc, "段1"));
    EXPECT_TRUE(HasText(dc, "段60"));
    EXPECT_FALSE(HasText(dc, "試験計画"));
}

TEST_F(PrintEngineTest, GraphStripIsDrawnUnderTheRowsOfEveryPage) {
    std::vector<PrintEngine::GraphArea> areas;
    engine_.SetGraph(
        51, [&](IDrawContext&, const PrintEngine::GraphArea& area) { areas.push_back(area); });
    ASSERT_TRUE(LayOut());
    Draw(0);
    Draw(1);
    ASSERT_EQ(areas.size(), 2u);
    const auto& page = engine_.GetLayout().PageAt(1);
    const PrintEngine::GraphArea& area = areas[1];
    EXPECT_EQ(area.strip.Height(), 51);
    EXPECT_EQ(area.strip.Width(), page.width);
    EXPECT_EQ(area.strip.top, 40 + page.height);
    EXPECT_EQ(area.scale.right, area.strip.left);
    EXPECT_EQ(area.from, engine_.From().AddDays(page.firstDay));
    EXPECT_EQ(area.ruler->DateToX(area.from), area.firstX);
    EXPECT_DOUBLE_EQ(area.pixelsPerDay, 20.0);
    EXPECT_NE(area.model, nullptr);
}

TEST(PrintEngineEmpty, NothingToLayOutWithoutAProject) {
    PrintEngine engine;
    EXPECT_FALSE(engine.Layout(PrintEngine::Source{}, false, COleDateTime()));
    EXPECT_EQ(engine.PageCount(), 0);
}

}  // namespace
}  // namespace qb
