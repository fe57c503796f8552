#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "ProjectArchive.h"

namespace qb {
namespace {

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

class CliTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = std::filesystem::temp_directory_path() /
                  ("qb_cli_" + std::to_string(::getpid()) + "_" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    std::string PathOf(const std::string& name) const { return (folder_ / name).string(); }

    static std::string Quote(const std::string& text) {
        std::string quoted = "'";
        for (char c : text)
            quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
        return quoted + "'";
    }
    static std::string Slurp(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        std::stringstream content;
        content << in.rdbuf();
        return content.str();
    }

    CliRun Cli(const std::string& arguments) const {
        const std::string command = Quote(QB_CLI_PATH) + " " + arguments + " >" +
                                    Quote(PathOf("stdout")) + " 2>" + Quote(PathOf("stderr"));
        CliRun run;
        const int raw = std::system(command.c_str());
        run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        run.out = Slurp(PathOf("stdout"));
        run.err = Slurp(PathOf("stderr"));
        return run;
    }

    std::filesystem::path folder_;
};

TEST_F(CliTest, SampleWritesTheShippedSampleAndInfoSummarisesIt) {
    const CliRun sample = Cli("sample " + Quote(PathOf("s.qbd")));
    ASSERT_EQ(sample.status, 0) << sample.err;
    EXPECT_EQ(Slurp(PathOf("s.qbd")), Slurp(QB_SAMPLES_DIR "/sample.qbd"))
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
