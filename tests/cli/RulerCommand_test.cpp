#include <gtest/gtest.h>

#include <string>

#include "CliTestBase.h"

namespace qb {
namespace {

class RulerCommandTest : public CliTestBase {
protected:
    CliRun Ruler(const std::string& arguments) const { return Cli("ruler " + arguments); }
};

// Each cell's first day and label: weeks start on Monday and number across
// the new year, fiscal years begin on the April before the first day, and a
// custom era follows Reiwa from its start.
TEST_F(RulerCommandTest, PrintsEachCellsFirstDayAndLabel) {
    const std::pair<const char*, const char*> cases[] = {
        {"--unit 0 --format 1 --from 20170303 --to 20170305",
         "20170303\t3(金)\n20170304\t4(土)\n20170305\t5(日)\n"},
        {"--unit 1 --format 3 --from 20171227 --to 20180108",
         "20171225\t52th\n20180101\t53th\n20180108\t1st\n"},
        {"--unit 5 --format 3 --from 20190201 --to 20200401",
         "20180401\t平成30年度\n20190401\t平成31年度\n20200401\t令和2年度\n"},
        {"--unit 3 --format 10 --from 20291201 --to 20300101 --era 新元号,N --era-start 20300101",
         "20291201\tR11.12\n20300101\tN1.1\n"},
    };
    for (const auto& [arguments, out] : cases) {
        const CliRun run = Ruler(arguments);
        EXPECT_EQ(run.status, 0) << arguments << run.err;
        EXPECT_EQ(run.out, out) << arguments;
    }
}

TEST_F(RulerCommandTest, UnitsAndFormatsOutOfRangeAreRefusedWithTheirRange) {
    CliRun run = Ruler("--unit 6 --format 0 --from 20170101 --to 20170131");
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
        const CliRun run = Ruler(arguments);
        EXPECT_EQ(run.status, 2) << arguments;
        EXPECT_NE(run.err.find("usage: quellbrandiren-cli ruler"), std::string::npos) << arguments;
        EXPECT_TRUE(run.out.empty()) << arguments;
    }
}

}  // namespace
}  // namespace qb
