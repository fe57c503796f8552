#include <gtest/gtest.h>

#include "CliTestBase.h"

namespace qb {
namespace {

class ColourRulesCommandTest : public CliTestBase {};

// The file keeps 0x00BBGGRR; the listing reads it as red, green, blue.
TEST_F(ColourRulesCommandTest, PrintsEachEntryAsRgbAndText) {
    // The file is in the Japanese code page: 赤, 青 and 不正.
    Write("rules.crs",
          "ff\t\x90\xd4\r\nFF0000\t\x90\xc2\r\n808000\t\r\nno tab\r\nxyz\t\x95\x73\x90\xb3\r\n");
    const CliRun run = Cli("colour-rules " + Quote(PathOf("rules.crs")));
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "FF0000\t赤\n0000FF\t青\n008080\t\nFFFFFF\t不正\n");
}

TEST_F(ColourRulesCommandTest, TakesAProjectStyleReferenceToo) {
    Write("r.crs", "C0FFC0\ta\r\n");
    const CliRun run = Cli("colour-rules " + Quote("FILE:" + PathOf("r.crs")));
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "C0FFC0\ta\n");
}

TEST_F(ColourRulesCommandTest, MissingFileFailsAndWrongArgumentsShowTheUsage) {
    const CliRun missing = Cli("colour-rules " + Quote(PathOf("none.crs")));
    EXPECT_EQ(missing.status, 1);
    EXPECT_TRUE(missing.out.empty());
    EXPECT_FALSE(missing.err.empty());
    EXPECT_EQ(Cli("colour-rules").status, 2);
    EXPECT_EQ(Cli("colour-rules a.crs b.crs").status, 2);
}

}  // namespace
}  // namespace qb
