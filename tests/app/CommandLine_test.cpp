#include "CommandLine.h"

#include <gtest/gtest.h>

namespace qb {
namespace {

TEST(CommandLineTest, DateSwitchAndUnquotedPathWithABlank) {
    const CommandLine line = CommandLine::Parse("/date 20100401 my file.qbd");
    EXPECT_EQ(line.File(), "my file.qbd");
    EXPECT_EQ(line.DateText(), "20100401");
    ASSERT_TRUE(line.Date().has_value());
    EXPECT_EQ(*line.Date(), COleDateTime(2010, 4, 1, 0, 0, 0));
}

TEST(CommandLineTest, SingleTokenIsTheFileEvenWhenItLooksLikeASwitch) {
    EXPECT_EQ(CommandLine::Parse("/date").File(), "/date");
    EXPECT_EQ(CommandLine::Parse("  plan.qbd  ").File(), "plan.qbd");
    EXPECT_FALSE(CommandLine::Parse("plan.qbd").DateText().has_value());
}

TEST(CommandLineTest, QuotedPathLosesItsQuotes) {
    const CommandLine line = CommandLine::Parse("\"/home/u/my  plans/a b.qbd\"");
    EXPECT_EQ(line.File(), "\"/home/u/my plans/a b.qbd\"");
    EXPECT_EQ(line.FileWithoutQuotes(), "/home/u/my plans/a b.qbd");
}

TEST(CommandLineTest, AbsolutePathIsNotASwitch) {
    const CommandLine line = CommandLine::Parse("/DATE 2010/4/1 /home/u/plan.qbd");
    EXPECT_EQ(line.File(), "/home/u/plan.qbd");
    EXPECT_EQ(line.DateText(), "2010/4/1");
    EXPECT_EQ(*line.Date(), COleDateTime(2010, 4, 1, 0, 0, 0));
}

TEST(CommandLineTest, SwitchWithoutValueOrFile) {
    const CommandLine line = CommandLine::Parse("/date 20100401");
    EXPECT_EQ(line.File(), "");
    EXPECT_EQ(line.DateText(), "20100401");
    EXPECT_EQ(CommandLine::Parse("/x /date").Switch("x"), "/date");
    EXPECT_EQ(CommandLine::Parse("a.qbd /date").File(), "a.qbd /date");
}

TEST(CommandLineTest, ArgumentsKeepBlanksInsideOnePath) {
    const CommandLine line =
        CommandLine::FromArguments({"/date", "20100401", "/home/u/my  file.qbd"});
    EXPECT_EQ(line.File(), "/home/u/my  file.qbd");
    EXPECT_EQ(CommandLine::FromArguments({"/home/u/a b.qbd"}).File(), "/home/u/a b.qbd");
    EXPECT_EQ(CommandLine::FromArguments({}).File(), "");
}

TEST(CommandLineTest, DatesThatDoNotExistAreRefused) {
    EXPECT_FALSE(CommandLine::ParseDate("20100231").has_value());
    EXPECT_FALSE(CommandLine::ParseDate("2010/2/31").has_value());
    EXPECT_FALSE(CommandLine::ParseDate("tomorrow").has_value());
    EXPECT_FALSE(CommandLine::ParseDate("").has_value());
    EXPECT_FALSE(CommandLine::ParseDate("2010/4/1x").has_value());
    EXPECT_FALSE(CommandLine::Parse("/date x a.qbd").Date().has_value());
}

}  // namespace
}  // namespace qb
