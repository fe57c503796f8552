#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace qb {
namespace {

// Runs the ruler command with its output caught in files of a private folder.
class RulerCommandTest : public ::testing::Test {
protected:
    struct Run {
        int status = -1;
        std::string out;
        std::string err;
    };

    void SetUp() override {
        std::string name = "qb_ruler_cli_";
        name.append(std::to_string(::getpid())).append("_");
        name.append(::testing::UnitTest::GetInstance()->current_test_info()->name());
        folder_ = std::filesystem::temp_directory_path() / name;
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    static std::string Slurp(const std::filesystem::path& path) {
        std::ifstream in(path, std::ios::binary);
        std::stringstream content;
        content << in.rdbuf();
        return content.str();
    }

    // The arguments are passed to the shell as they are: tests use no quotes.
    Run Ruler(const std::string& arguments) const {
        const std::string command = std::string("'") + QB_CLI_PATH + "' ruler " + arguments +
                                    " >'" + (folder_ / "out").string() + "' 2>'" +
                                    (folder_ / "err").string() + "'";
        Run run;
        const int raw = std::system(command.c_str());
        run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        run.out = Slurp(folder_ / "out");
        run.err = Slurp(folder_ / "err");
        return run;
    }

    std::filesystem::path folder_;
};

TEST_F(RulerCommandTest, PrintsEachCellsFirstDayAndLabel) {
    const Run run = Ruler("--unit 0 --format 1 --from 20170303 --to 20170305");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "20170303\t3(金)\n20170304\t4(土)\n20170305\t5(日)\n");
}

TEST_F(RulerCommandTest, WeekRowsStartOnMondayAndNumberAcrossTheNewYear) {
    const Run run = Ruler("--unit 1 --format 3 --from 20171227 --to 20180108");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "20171225\t52th\n20180101\t53th\n20180108\t1st\n");
}

TEST_F(RulerCommandTest, FiscalYearsBeginOnTheAprilBeforeTheFirstDay) {
    const Run run = Ruler("--unit 5 --format 3 --from 20190201 --to 20200401");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "20180401\t平成30年度\n20190401\t平成31年度\n20200401\t令和2年度\n");
}

TEST_F(RulerCommandTest, CustomEraFollowsReiwaFromItsStart) {
    const Run run = Ruler(
        "--unit 3 --format 10 --from 20291201 --to 20300101 --era 新元号,N --era-start "
        "20300101");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "20291201\tR11.12\n20300101\tN1.1\n");
}

TEST_F(RulerCommandTest, UnitsAndFormatsOutOfRangeAreRefusedWithTheirRange) {
    Run run = Ruler("--unit 6 --format 0 --from 20170101 --to 20170131");
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("--unit must be 0 (day)"), std::string::npos) << run.err;
    EXPECT_TRUE(run.out.empty());
    run = Ruler("--unit 2 --format 6 --from 20170101 --to 20170131");
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("--format of unit 2 must be 0..5"), std::string::npos) << run.err;
}

TEST_F(RulerCommandTest, WrongUsageAndBadDatesExitWithTwo) {
    for (const char* arguments :
         {"", "--unit 0 --format 0 --from 20170101",
          "--unit 0 --format 0 --from 20170230 --to 20170301",
          "--unit 0 --format 0 --from 20170301 --to 20170201",
          "--unit x --format 0 --from 20170101 --to 20170102",
          "--unit 0 --format 0 --from 2017010 --to 20170102",
          "--unit 0 --format 0 --from 20170101 --to 20170102 --era A,B",
          "--unit 0 --format 0 --from 20170101 --to 20170102 --era A,B --era-start 2030",
          "--unit 0 --format 0 --from 20170101 --to 20170102 --colour red"}) {
        const Run run = Ruler(arguments);
        EXPECT_EQ(run.status, 2) << arguments;
        EXPECT_NE(run.err.find("usage: quellbrandiren-cli ruler"), std::string::npos) << arguments;
        EXPECT_TRUE(run.out.empty()) << arguments;
    }
}

}  // namespace
}  // namespace qb
