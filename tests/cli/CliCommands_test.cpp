#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "CliTestBase.h"
#include "ProjectArchive.h"
#include "TestPaths.h"

namespace qb {
namespace {

using CliTest = CliTestBase;

TEST_F(CliTest, SampleWritesTheShippedSampleAndInfoSummarisesIt) {
    const CliRun sample = Cli("sample " + Quote(PathOf("s.qbd")));
    ASSERT_EQ(sample.status, 0) << sample.err;
    EXPECT_EQ(Slurp(PathOf("s.qbd")), Slurp(qb::test::SourcePath("data/samples/sample.qbd")))
        << "data/samples/sample.qbd is out of date: rewrite it with the sample command";

    const CliRun info = Cli("info " + Quote(PathOf("s.qbd")));
    ASSERT_EQ(info.status, 0) << info.err;
    EXPECT_EQ(info.out,
              "{\"version\":4,\"title\":\"事務所ビル新築工事 工程表\",\"lastObjectId\":56,"
              "\"shared\":false,\"rows\":17,\"columns\":2,\"schedules\":19,\"links\":12,"
              "\"memos\":2,\"holidays\":4}\n");
}

TEST_F(CliTest, GenerateWritesTheRequestedNumbersOfObjectsTheSameWayEveryTime) {
    const std::string args = "--rows 30 --schedules 200 --links 40 --memos 5 --seed 9 ";
    ASSERT_EQ(Cli("generate " + args + Quote(PathOf("a.qbd"))).status, 0);
    ASSERT_EQ(Cli("generate " + Quote(PathOf("b.qbd")) + " " + args).status, 0);
    ASSERT_EQ(Cli("generate " + std::string("--seed 10 --rows 30 --schedules 200 ") +
                  Quote(PathOf("c.qbd")))
                  .status,
              0);
    EXPECT_EQ(Slurp(PathOf("a.qbd")), Slurp(PathOf("b.qbd")));
    EXPECT_NE(Slurp(PathOf("a.qbd")), Slurp(PathOf("c.qbd")));

    const CliRun info = Cli("info " + Quote(PathOf("a.qbd")));
    ASSERT_EQ(info.status, 0) << info.err;
    EXPECT_NE(
        info.out.find("\"rows\":30,\"columns\":2,\"schedules\":200,\"links\":40,\"memos\":5,"),
        std::string::npos)
        << info.out;
}

// The commands end their process without taking the project apart: what
// they printed or drew must be out whole all the same, and a summary that
// cannot be written is a failure.
TEST_F(CliTest, OutputIsWholeWhenTheProcessEndsAtOnce) {
    ASSERT_EQ(Cli("sample " + Quote(PathOf("s.qbd"))).status, 0);
    const CliRun info = Cli("info " + Quote(PathOf("s.qbd")));
    ASSERT_EQ(info.status, 0) << info.err;
    EXPECT_TRUE(info.out.ends_with("\"holidays\":4}\n")) << info.out;

    if (std::filesystem::exists("/dev/full")) {
        const std::string full = Quote(CliProgram()) + " info " + Quote(PathOf("s.qbd")) +
                                 " >/dev/full 2>" + Quote(PathOf("err"));
        const int raw = std::system(full.c_str());
        EXPECT_EQ(WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, 1);
        EXPECT_NE(Slurp(PathOf("err")).find("could not be written"), std::string::npos);
    }

    // A build without Qt has no render command.
    if (Cli("help").out.find("  render ") == std::string::npos)
        return;
    const CliRun render =
        Cli("render " + Quote(PathOf("s.qbd")) + " " + Quote(PathOf("s.svg")) + " --width 900");
    ASSERT_EQ(render.status, 0) << render.err;
    const std::string svg = Slurp(PathOf("s.svg"));
    EXPECT_NE(svg.find("<svg"), std::string::npos);
    EXPECT_TRUE(svg.ends_with("</svg>\n")) << svg.substr(svg.size() > 40 ? svg.size() - 40 : 0);
}

TEST_F(CliTest, WrongUsageExitsWithTwo) {
    const char* cases[] = {"info",
                           "info a.qbd b.qbd",
                           "sample",
                           "generate out.qbd",
                           "generate --rows 3 out.qbd",
                           "generate --rows 3 --schedules 4",
                           "generate --rows 3 --schedules x out.qbd",
                           "generate --rows -3 --schedules 4 out.qbd",
                           "generate --rows 3 --schedules 4 --colour 5 out.qbd",
                           "generate --rows 3 --schedules 4 a.qbd b.qbd",
                           "generate --rows 3 --schedules"};
    for (const char* arguments : cases) {
        const CliRun run = Cli(arguments);
        EXPECT_EQ(run.status, 2) << arguments;
        EXPECT_NE(run.err.find("usage:"), std::string::npos) << arguments;
    }
}

TEST_F(CliTest, FailuresPrintTheProgramsMessageAndExitWithOne) {
    const CliRun missing = Cli("info " + Quote(PathOf("missing.qbd")));
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("Error Code=2\n"), std::string::npos) << missing.err;
    EXPECT_EQ(missing.out, "");

    std::ofstream(PathOf("text.qbd")) << "not a project";
    const CliRun damaged = Cli("info " + Quote(PathOf("text.qbd")));
    EXPECT_EQ(damaged.status, 1);
    EXPECT_EQ(damaged.err, "ファイル形式が正しくありません。または、ファイルが破損しています。\n");

    std::string newer = ProjectArchive::WriteProjectArchive(CProject());
    newer[27] = 5;
    std::ofstream(PathOf("v5.qbd"), std::ios::binary) << newer;
    const CliRun tooNew = Cli("info " + Quote(PathOf("v5.qbd")));
    EXPECT_EQ(tooNew.status, 1);
    EXPECT_NE(tooNew.err.find("このバージョンのQuellbrandirenでは開けません"), std::string::npos);

    const CliRun noFolder = Cli("sample " + Quote(PathOf("no/such/folder/s.qbd")));
    EXPECT_EQ(noFolder.status, 1);
    EXPECT_NE(noFolder.err.find("Error Code="), std::string::npos) << noFolder.err;
}

}  // namespace
}  // namespace qb
