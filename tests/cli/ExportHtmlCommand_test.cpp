#include <cstdlib>
#include <filesystem>
#include <optional>

#include "CliTestBase.h"
#include "TestPaths.h"

namespace qb {
namespace {

const std::string kGolden = qb::test::SourcePath("tests/data/output/sample.html");

// The tool reads the user's settings for the file's view state: each test
// gives it a settings folder of its own.
class ExportHtmlCommandTest : public CliTestBase {
protected:
    ExportHtmlCommandTest() {
        if (const char* old = std::getenv("XDG_CONFIG_HOME"))
            oldConfig_ = old;
        std::filesystem::create_directories(PathOf("config/Torvane"));
        ::setenv("XDG_CONFIG_HOME", PathOf("config").c_str(), 1);
    }
    ~ExportHtmlCommandTest() override {
        if (oldConfig_)
            ::setenv("XDG_CONFIG_HOME", oldConfig_->c_str(), 1);
        else
            ::unsetenv("XDG_CONFIG_HOME");
    }
    CliRun Export(const std::string& flags) {
        return Cli("export-html " + Quote(Sample()) + " " + Quote(PathOf("out.html")) + flags);
    }

    std::optional<std::string> oldConfig_;
};

TEST_F(ExportHtmlCommandTest, SampleMatchesItsGoldenFileByteForByte) {
    const CliRun run = Export("");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(Slurp(PathOf("out.html")), Slurp(kGolden));
}

TEST_F(ExportHtmlCommandTest, StoredViewStateAndFlagsShapeTheTable) {
    // 準備工事 (2) folded, 仕上工事 (14) hidden, as the program stores them.
    Write("config/Torvane/Quellbrandiren.conf",
          "[PrevStatus]\nsample.qbd\\Folded=\"2,\"\nsample.qbd\\RowHidden=\"14,\"\n");
    const CliRun run = Export(" --indent --no-columns --no-actual --no-graph");
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string page = Slurp(PathOf("out.html"));
    const char* kPresent[] = {
        // 準備工事 folded in summary mode.
        "\x8f\x80\x94\xf5\x8d\x48\x8e\x96</td>\r\n\t\t<td colspan=\"7\">(\x83\x54\x83\x7d\x83\x8a",
        "style=\"padding-left: 35px;\">",
        "<th colspan=\"1\">&nbsp;</th>\r\n\t\t<th>\x90\x46</th>",
    };
    for (const char* text : kPresent)
        EXPECT_NE(page.find(text), std::string::npos) << text;
    // 仮設工事 under the folded row, 外装 under the hidden one.
    EXPECT_EQ(page.find("\x89\xbc\x90\xdd\x8d\x48\x8e\x96"), std::string::npos);
    EXPECT_EQ(page.find("\x8a\x4f\x91\x95"), std::string::npos);
}

TEST_F(ExportHtmlCommandTest, WrongUseAndFailuresHaveTheirExitCodes) {
    EXPECT_EQ(Cli("export-html " + Quote(Sample())).status, 2);
    EXPECT_EQ(Export(" --wide").status, 2);
    EXPECT_EQ(
        Cli("export-html " + Quote(PathOf("missing.qbd")) + " " + Quote(PathOf("o.html"))).status,
        1);
    const CliRun run =
        Cli("export-html " + Quote(Sample()) + " " + Quote(PathOf("no/such/folder/o.html")));
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("o.html"), std::string::npos) << run.err;
}

}  // namespace
}  // namespace qb
