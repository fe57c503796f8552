#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "CliTestBase.h"

namespace qb {
namespace {

const std::string kSample = std::string(QB_SAMPLES_DIR) + "/sample.qbd";

// What a poppler tool prints about a file; empty when it cannot run.
std::string Tool(const std::string& command) {
    std::string out;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr)
        return out;
    char buffer[4096];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
        out.append(buffer, got);
    ::pclose(pipe);
    return out;
}

int PdfPages(const std::string& path) {
    const std::string info = Tool("pdfinfo " + path + " 2>/dev/null");
    const std::size_t at = info.find("Pages:");
    return at == std::string::npos ? -1 : std::stoi(info.substr(at + 6));
}

class PrintCommandTest : public CliTestBase {
protected:
    void SetUp() override {
        if (Tool("command -v pdfinfo").empty() || Tool("command -v pdftotext").empty())
            GTEST_SKIP() << "poppler-utils (pdfinfo, pdftotext) are not installed";
        if (Cli("help").out.find("print FILE.qbd") == std::string::npos)
            GTEST_SKIP() << "built without Qt: no print verb";
    }
};

TEST_F(PrintCommandTest, WritesEveryPageWithTheTitleRulerAndRowsOnEach) {
    const std::string pdf = PathOf("plan.pdf");
    const CliRun printed = Cli("print " + Quote(kSample) + " " + Quote(pdf) +
                               " --paper A4 --page-format 7 --page-align 5");
    ASSERT_EQ(printed.status, 0) << printed.err;
    const int count = std::stoi(printed.out);
    ASSERT_GT(count, 1);
    EXPECT_EQ(PdfPages(Quote(pdf)), count);
    for (int page = 1; page <= count; ++page) {
        const std::string text = Tool("pdftotext -f " + std::to_string(page) + " -l " +
                                      std::to_string(page) + " " + Quote(pdf) + " -");
        EXPECT_NE(text.find("事務所ビル新築工事 工程表"), std::string::npos) << page;
        EXPECT_NE(text.find(std::to_string(page) + " / " + std::to_string(count) + " ページ"),
                  std::string::npos)
            << page;
    }
}

TEST_F(PrintCommandTest, PageRangeAndPaperChangeWhatIsWritten) {
    const std::string all = PathOf("all.pdf");
    const CliRun whole = Cli("print " + Quote(kSample) + " " + Quote(all) + " --paper A5");
    ASSERT_EQ(whole.status, 0) << whole.err;
    const int count = std::stoi(whole.out);
    ASSERT_GE(count, 2);
    const std::string part = PathOf("part.pdf");
    const CliRun range = Cli("print " + Quote(kSample) + " " + Quote(part) +
                             " --paper A5 --pages 2-" + std::to_string(count + 5));
    ASSERT_EQ(range.status, 0) << range.err;
    EXPECT_EQ(std::stoi(range.out), count - 1);
    EXPECT_EQ(PdfPages(Quote(part)), count - 1);
    const std::string a3 = PathOf("a3.pdf");
    ASSERT_EQ(Cli("print " + Quote(kSample) + " " + Quote(a3) + " --paper A3").status, 0);
    EXPECT_NE(Tool("pdfinfo " + Quote(a3)).find("1191 x 842"), std::string::npos)
        << "A3 landscape in points";
}

TEST_F(PrintCommandTest, RefusesWrongOptionsAndRangesPastTheEnd) {
    const std::string pdf = Quote(PathOf("x.pdf"));
    const std::string sample = Quote(kSample);
    for (const char* bad :
         {"--paper Letter", "--orientation upright", "--margins 10,10,10", "--page-format 8",
          "--page-align 6", "--title-size 4", "--output-date 3", "--pages 3-2", "--from 20270230",
          "--from 20270301 --to 20270201", "--colour red"}) {
        EXPECT_EQ(Cli("print " + sample + " " + pdf + " " + bad).status, 2) << bad;
    }
    const CliRun past = Cli("print " + sample + " " + pdf + " --pages 900-901");
    EXPECT_EQ(past.status, 1);
    EXPECT_NE(past.err.find("pages"), std::string::npos) << past.err;
    EXPECT_EQ(Cli("print " + Quote(PathOf("missing.qbd")) + " " + pdf).status, 1);
    EXPECT_EQ(Cli("print " + sample + " " + Quote(PathOf("no/such/dir/x.pdf"))).status, 1);
}

TEST_F(PrintCommandTest, OutputDateAndOptionsReachThePage) {
    const std::string pdf = PathOf("dated.pdf");
    const CliRun run = Cli("print " + Quote(kSample) + " " + Quote(pdf) +
                           " --output-date 1 --no-title --from 20240401 --to 20240410");
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string text = Tool("pdftotext " + Quote(pdf) + " -");
    EXPECT_NE(text.find("出力"), std::string::npos);
    EXPECT_EQ(text.find("事務所ビル新築工事 工程表"), std::string::npos);
}

}  // namespace
}  // namespace qb
