#include "CommandLine.h"

#include <gtest/gtest.h>

namespace qb {
namespace {

TEST(CommandLineTest, SplitsTheDateSwitchFromTheFile) {
    struct Case {
        const char* line;
        std::string file;
        std::optional<std::string> date;
    };
    const Case cases[] = {
        {"/date 20100401 my file.qbd", "my file.qbd", "20100401"},
        {"/DATE 2010/4/1 /home/u/plan.qbd", "/home/u/plan.qbd", "2010/4/1"},  // not a switch
        {"/date 20100401", "", "20100401"},
        {"/date", "/date", std::nullopt},  // a single token is the file
        {"  plan.qbd  ", "plan.qbd", std::nullopt},
        {"a.qbd /date", "a.qbd /date", std::nullopt},
    };
    for (const Case& c : cases) {
        const CommandLine line = CommandLine::Parse(c.line);
        EXPECT_EQ(line.File(), c.file) << c.line;
        EXPECT_EQ(line.DateText(), c.date) << c.line;
    }
    EXPECT_EQ(*CommandLine::Parse(cases[1].line).Date(), COleDateTime(2010, 4, 1, 0, 0, 0));
    EXPECT_EQ(CommandLine::Parse("/x /date").Switch("x"), "/date");
}

// A quoted line loses its quotes; separate arguments keep blanks inside a path.
TEST(CommandLineTest, QuotedPathLosesItsQuotesAndArgumentsKeepTheirBlanks) {
    const CommandLine quoted = CommandLine::Parse("\"/home/u/my  plans/a b.qbd\"");
    EXPECT_EQ(quoted.File(), "\"/home/u/my plans/a b.qbd\"");
    EXPECT_EQ(quoted.FileWithoutQuotes(), "/home/u/my plans/a b.qbd");
    const CommandLine line =
        CommandLine::FromArguments({"/date", "20100401", "/home/u/my  file.qbd"});
    EXPECT_EQ(line.File(), "/home/u/my  file.qbd");
    EXPECT_EQ(*line.Date(), COleDateTime(2010, 4, 1, 0, 0, 0));
    EXPECT_EQ(CommandLine::FromArguments({}).File(), "");
}

TEST(CommandLineTest, DatesThatDoNotExistAreRefused) {
    for (const char* text : {"20100231", "2010/2/31", "tomorrow", "", "2010/4/1x"})
        EXPECT_FALSE(CommandLine::ParseDate(text).has_value()) << text;
    EXPECT_FALSE(CommandLine::Parse("/date x a.qbd").Date().has_value());
}

}  // namespace
}  // namespace qb
