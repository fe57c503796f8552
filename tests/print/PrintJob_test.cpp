#include "PrintJob.h"

#include <gtest/gtest.h>

#include "FakePrinter.h"
#include "PrintFixture.h"
#include "RecordingDrawContext.h"
#include "ScriptedPrompt.h"

namespace qb {
namespace {

class PrintJobTest : public ::testing::Test {
protected:
    PrintJobTest() : project_(MakePlan(60, 365)) {
        engine_.Settings().printer = "lp0";
        engine_.Settings().copies = 2;
        engine_.Settings().range = PrintSettings::Range::kWholePeriod;
        EXPECT_TRUE(engine_.Layout(SourceOf(*project_), false, COleDateTime()));
        count_ = engine_.PageCount();
    }

    std::unique_ptr<CProject> project_;
    PrintEngine engine_;
    FakePrinter printer_;
    ScriptedPrompt prompt_;
    int count_ = 0;
};

TEST_F(PrintJobTest, PrintsEveryPageAsOneDocumentNamedAfterTheTitle) {
    ASSERT_GT(count_, 3);
    const auto result = PrintJob::Run(engine_, printer_, prompt_);
    EXPECT_EQ(static_cast<int>(result.printed.size()), count_);
    EXPECT_EQ(printer_.documentName, "試験計画");
    EXPECT_EQ(printer_.documentPaper, (DrawSize{2970, 2100}));
    EXPECT_EQ(printer_.documentCopies, 2);
    EXPECT_EQ(printer_.ended, count_);
    EXPECT_TRUE(printer_.closed);
    EXPECT_TRUE(prompt_.Shown().empty());
}

TEST_F(PrintJobTest, RangePastTheLastPageStopsAtTheLastPage) {
    engine_.Settings().firstPage = 2;
    engine_.Settings().lastPage = count_ + 5;
    const auto result = PrintJob::Run(engine_, printer_, prompt_);
    ASSERT_EQ(static_cast<int>(result.printed.size()), count_ - 1);
    EXPECT_EQ(result.printed.front(), 2);
    EXPECT_EQ(result.printed.back(), count_);
}

TEST_F(PrintJobTest, PageThatFailsIsSkippedAndNamedAtTheEnd) {
    printer_.failing = {2, 3, 4, 6};
    const auto result = PrintJob::Run(engine_, printer_, prompt_);
    EXPECT_EQ(result.failed, (std::vector<int>{2, 3, 4, 6}));
    EXPECT_EQ(static_cast<int>(result.printed.size()), count_ - 4);
    EXPECT_TRUE(printer_.closed);
    ASSERT_EQ(prompt_.Shown().size(), 5u);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(prompt_.Shown()[static_cast<std::size_t>(i)].id, 117);
    EXPECT_NE(prompt_.Shown().back().text.find("2-4, 6"), std::string::npos)
        << prompt_.Shown().back().text;
}

TEST_F(PrintJobTest, RefusedWithoutAPrinterOrWhenTheDocumentCannotStart) {
    engine_.Settings().printer.clear();
    EXPECT_FALSE(PrintJob::Run(engine_, printer_, prompt_).started);
    EXPECT_EQ(prompt_.Shown().back().text, std::string("印刷設定を行っていません。"));
    EXPECT_EQ(printer_.started, 0);

    engine_.Settings().printer = "lp0";
    printer_.opens = false;
    EXPECT_FALSE(PrintJob::Run(engine_, printer_, prompt_).started);
    EXPECT_EQ(prompt_.LastId(), 117);
    EXPECT_EQ(printer_.started, 0);
}

TEST(PrintJobPageList, RunsOfThreeOrMoreAreJoined) {
    EXPECT_EQ(PrintJob::PageList({1}), "1");
    EXPECT_EQ(PrintJob::PageList({1, 2}), "1, 2");
    EXPECT_EQ(PrintJob::PageList({1, 2, 3, 5, 7, 8, 9, 10}), "1-3, 5, 7-10");
}

}  // namespace
}  // namespace qb
