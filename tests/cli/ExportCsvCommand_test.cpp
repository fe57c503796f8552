#include <gtest/gtest.h>

#include <string>

#include "CliTestBase.h"
#include "TestPaths.h"
#include "TextCodec.h"

namespace qb {
namespace {

class ExportCsvCommandTest : public CliTestBase {
protected:
    CliRun ExportCsv(const std::string& options) const {
        return Cli("export-csv " + Quote(Sample()) + " " + Quote(PathOf("out.csv")) + " " +
                   options);
    }
    std::string Written() const { return TextCodec::Cp932ToUtf8Lossy(Slurp(PathOf("out.csv"))); }
};

// Without options the file is the dialog's default export; each option
// changes only its own part.
TEST_F(ExportCsvCommandTest, WritesTheSampleWithTheChosenSeparators) {
    CliRun run = ExportCsv("");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(Slurp(PathOf("out.csv")),
              Slurp(qb::test::SourcePath("tests/data/output/sample.csv")));

    run = ExportCsv("--separator comma --path-separator backslash --keep-line-breaks");
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string text = Written();
    EXPECT_NE(text.find("準備工事\\仮設工事,仮囲い設置,20250401,20250410,0.00,1.00,"),
              std::string::npos)
        << text;
    EXPECT_EQ(text.find('\t'), std::string::npos);
}

TEST_F(ExportCsvCommandTest, WrongUsageAndUnwritableTargetsAreRefused) {
    for (const char* options : {"--separator semicolon", "--separator",
                                "--path-separator slash "
                                "--path-separator slash",
                                "--keep-line-breaks --keep-line-breaks", "--colour red"}) {
        const CliRun run = ExportCsv(options);
        EXPECT_EQ(run.status, 2) << options;
        EXPECT_NE(run.err.find("usage:"), std::string::npos) << options;
    }
    Write("out.csv", "earlier");
    const CliRun run =
        Cli("export-csv " + Quote(Sample()) + " " + Quote(PathOf("out.csv") + "/x.csv"));
    EXPECT_EQ(run.status, 1);
    EXPECT_FALSE(run.err.empty());
    EXPECT_EQ(Slurp(PathOf("out.csv")), "earlier");
}

}  // namespace
}  // namespace qb
