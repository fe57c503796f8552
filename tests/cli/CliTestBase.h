#pragma once

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace qb {

// Runs the command-line tool as its own process, with its output caught in
// files of a private folder that each test gets and loses.
class CliTestBase : public ::testing::Test {
protected:
    struct CliRun {
        int status = -1;
        std::string out;
        std::string err;
    };

    void SetUp() override {
        std::string name = "qb_cli_";
        name.append(std::to_string(::getpid())).append("_");
        name.append(::testing::UnitTest::GetInstance()->current_test_info()->name());
        folder_ = std::filesystem::temp_directory_path() / name;
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
    void Write(const std::string& name, const std::string& bytes) const {
        std::ofstream(PathOf(name), std::ios::binary) << bytes;
    }

    // The arguments go to the shell as they are.
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

}  // namespace qb
