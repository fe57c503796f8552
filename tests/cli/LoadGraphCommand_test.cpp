#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "CliTestBase.h"

namespace qb {
namespace {

// A plan of two rows: weight 3 from 5 to 7 January 2025 on the first, weight
// 4 from 7 to 9 January on the second. The tool reads the user's settings for
// the file's hidden rows, so each test gives it a settings folder of its own.
class LoadGraphCommandTest : public CliTestBase {
protected:
    LoadGraphCommandTest() {
        if (const char* old = std::getenv("XDG_CONFIG_HOME"))
            oldConfig_ = old;
        std::filesystem::create_directories(PathOf("config/Torvane"));
        ::setenv("XDG_CONFIG_HOME", PathOf("config").c_str(), 1);
        Cli("new " + File());
        const std::string first = Id(Cli("edit " + File() + " add-row --caption A"));
        secondRow_ = Id(Cli("edit " + File() + " add-row --caption B"));
        AddWeighted(first, "20250105", "20250107", 3);
        AddWeighted(secondRow_, "20250107", "20250109", 4);
    }
    ~LoadGraphCommandTest() override {
        if (oldConfig_)
            ::setenv("XDG_CONFIG_HOME", oldConfig_->c_str(), 1);
        else
            ::unsetenv("XDG_CONFIG_HOME");
    }

    std::string File() const { return Quote(PathOf("plan.qbd")); }
    static std::string Id(const CliRun& run) { return run.out.substr(0, run.out.find('\n')); }
    void AddWeighted(const std::string& row, const char* start, const char* end, int weight) {
        const std::string id = Id(Cli("edit " + File() + " add-schedule --row " + row +
                                      " --start " + start + " --end " + end));
        ASSERT_EQ(Cli("edit " + File() + " set " + id + " weight=" + std::to_string(weight)).status,
                  0);
    }
    CliRun LoadGraph(const std::string& options) const {
        return Cli("load-graph " + File() + " " + options);
    }
    // "x\tsum" lines for the twenty columns of 1..10 January at 2 pixels a day.
    static std::string Lines(const int (&sums)[20]) {
        std::string lines;
        for (int x = 0; x < 20; ++x)
            lines += std::to_string(x) + "\t" + std::to_string(sums[x]) + "\n";
        return lines;
    }

    std::string secondRow_;
    std::optional<std::string> oldConfig_;
};

TEST_F(LoadGraphCommandTest, PrintsTheSumOfEveryPixelColumnOfThePeriod) {
    const CliRun run = LoadGraph("--from 20250101 --to 20250110 --scale 2");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, Lines({0, 0, 0, 0, 0, 0, 0, 0, 3, 3, 3, 3, 7, 7, 4, 4, 4, 4, 0, 0}));
    // Counted from the first pixel of --from, cut at the end of --to.
    const CliRun later = LoadGraph("--scale 1 --from 20250108 --to 20250109");
    ASSERT_EQ(later.status, 0) << later.err;
    EXPECT_EQ(later.out, "0\t4\n1\t4\n");
}

TEST_F(LoadGraphCommandTest, ShownOnlyLeavesOutTheRowsTheFileKeepsHidden) {
    Write("config/Torvane/Quellbrandiren.conf",
          "[PrevStatus]\nplan.qbd\\RowHidden=\"" + secondRow_ + ",\"\n");
    const std::string kRange = "--from 20250101 --to 20250110 --scale 2";
    const CliRun all = LoadGraph(kRange);
    ASSERT_EQ(all.status, 0) << all.err;
    EXPECT_EQ(all.out, Lines({0, 0, 0, 0, 0, 0, 0, 0, 3, 3, 3, 3, 7, 7, 4, 4, 4, 4, 0, 0}));
    const CliRun shown = LoadGraph(kRange + " --shown-only");
    ASSERT_EQ(shown.status, 0) << shown.err;
    EXPECT_EQ(shown.out, Lines({0, 0, 0, 0, 0, 0, 0, 0, 3, 3, 3, 3, 3, 3, 0, 0, 0, 0, 0, 0}));
}

TEST_F(LoadGraphCommandTest, WrongUsageAndMissingFilesAreRefused) {
    for (const char* options :
         {"--from 20250101 --to 20250110", "--from 20250110 --to 20250101 --scale 2",
          "--from 20250101 --to 20250110 --scale 0", "--from 20250101 --to 20250110 --scale x",
          "--from 20250101 --to 20250110 --scale 2 --colour red",
          "--from 2025011 --to 20250110 --scale 2"}) {
        const CliRun run = LoadGraph(options);
        EXPECT_EQ(run.status, 2) << options;
        EXPECT_NE(run.err.find("usage:"), std::string::npos) << options;
    }
    const CliRun wide = LoadGraph("--from 20250101 --to 20991231 --scale 10000");
    EXPECT_EQ(wide.status, 1);
    const CliRun missing =
        Cli("load-graph " + Quote(PathOf("none.qbd")) + " --from 20250101 --to 20250102 --scale 1");
    EXPECT_EQ(missing.status, 1);
    EXPECT_FALSE(missing.err.empty());
}

}  // namespace
}  // namespace qb
