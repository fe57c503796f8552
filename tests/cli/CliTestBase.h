#pragma once

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "TestFolder.h"
#include "TestPaths.h"

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

    std::string PathOf(const std::string& name) const { return folder_.File(name); }

    static std::string Quote(const std::string& text) {
        std::string quoted = "'";
        for (char c : text)
            quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
        return quoted + "'";
    }
    static std::string CliProgram() { return test::BuildPath("cli/quellbrandiren-cli"); }
    static std::string Slurp(const std::string& path) { return TestFolder::Read(path); }
    void Write(const std::string& name, const std::string& bytes) const {
        TestFolder::Write(PathOf(name), bytes);
    }

    // A copy of the bundled sample in the test's folder: the tool locks the
    // file it reads, and tests running at the same time must not meet there.
    std::string Sample() const {
        const std::string path = PathOf("sample.qbd");
        if (!std::filesystem::exists(path))
            TestFolder::Write(path, Slurp(test::SourcePath("data/samples/sample.qbd")));
        return path;
    }

    // The arguments go to the shell as they are.
    CliRun Cli(const std::string& arguments) const {
        const std::string command = Quote(CliProgram()) + " " + arguments + " >" +
                                    Quote(PathOf("stdout")) + " 2>" + Quote(PathOf("stderr"));
        CliRun run;
        const int raw = std::system(command.c_str());
        run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        run.out = Slurp(PathOf("stdout"));
        run.err = Slurp(PathOf("stderr"));
        return run;
    }

    TestFolder folder_;
};

}  // namespace qb
