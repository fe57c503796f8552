#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "CLink.h"
#include "CMemo.h"
#include "CSchedule.h"
#include "ObjectClipboardStream.h"
#include "TestFolder.h"
#include "TestPaths.h"

namespace qb {
namespace {

constexpr int kWaitMs = 20000;

// A child process with a pipe to its stdin and one from its stdout; killed
// and reaped when it goes out of scope.
std::string PeerProgram() {
    return qb::test::BuildPath("tests/platform_qt/qb_clipboard_peer");
}

class Child {
public:
    Child(const std::vector<std::string>& args, const std::string& display) {
        int in[2], out[2];
        if (::pipe(in) != 0 || ::pipe(out) != 0)
            return;
        pid_ = ::fork();
        if (pid_ == 0) {
            ::dup2(in[0], 0);
            ::dup2(out[1], 1);
            ::close(in[1]);
            ::close(out[0]);
            if (!display.empty())
                ::setenv("DISPLAY", display.c_str(), 1);
            // Under the sanitizers: the X libraries keep memory to the end,
            // which is theirs and not what this test is about.
            ::setenv("ASAN_OPTIONS", "detect_leaks=0", 1);
            std::vector<char*> argv;
            for (const std::string& arg : args)
                argv.push_back(const_cast<char*>(arg.c_str()));
            argv.push_back(nullptr);
            ::execvp(argv[0], argv.data());
            ::_exit(127);
        }
        ::close(in[0]);
        ::close(out[1]);
        stdin_ = in[1];
        stdout_ = out[0];
    }
    ~Child() {
        CloseInput();
        if (pid_ > 0 && !exited_) {
            ::kill(pid_, SIGTERM);
            ::waitpid(pid_, nullptr, 0);
        }
        if (stdout_ >= 0)
            ::close(stdout_);
    }
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;

    bool Started() const { return pid_ > 0; }
    // Everything the child wrote up to the first line end; nothing on time-out.
    std::optional<std::string> ReadLine() {
        std::string line;
        char c = 0;
        while (true) {
            pollfd fd{stdout_, POLLIN, 0};
            if (::poll(&fd, 1, kWaitMs) <= 0 || ::read(stdout_, &c, 1) != 1)
                return std::nullopt;
            if (c == '\n')
                return line;
            line += c;
        }
    }
    void CloseInput() {
        if (stdin_ >= 0)
            ::close(stdin_);
        stdin_ = -1;
    }
    // The exit code, or -1 when it did not end by itself in time.
    int Wait() {
        for (int waited = 0; waited < kWaitMs; waited += 50) {
            int status = 0;
            if (::waitpid(pid_, &status, WNOHANG) == pid_) {
                exited_ = true;
                return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
            }
            ::usleep(50 * 1000);
        }
        return -1;
    }

private:
    pid_t pid_ = -1;
    int stdin_ = -1;
    int stdout_ = -1;
    bool exited_ = false;
};

bool HasXvfb() {
    return std::system("command -v Xvfb > /dev/null 2>&1") == 0;
}

// A private X server; -displayfd has it choose a free display and tell it.
class PrivateDisplay {
public:
    PrivateDisplay()
        : server_({"Xvfb", "-displayfd", "1", "-nolisten", "tcp", "-screen", "0", "640x480x24"},
                  "") {
        if (const std::optional<std::string> number = server_.ReadLine())
            name_ = ":" + *number;
    }
    const std::string& Name() const { return name_; }

private:
    Child server_;
    std::string name_;
};

std::string Block() {
    auto a = std::make_unique<CSchedule>(11);
    a->SetCaption("設計");
    a->SetRowObjectId(3);
    auto b = std::make_unique<CSchedule>(12);
    b->SetRowObjectId(3);
    auto memo = std::make_unique<CMemo>(13);
    memo->SetText("メモ\r\n二行目");
    auto link = std::make_unique<CLink>(14);
    link->SetFromId(11);
    link->SetToId(12);
    return ObjectClipboardStream::Write({a.get(), b.get(), memo.get(), link.get()},
                                        {{10, 20}, {50, 20}, {90, 0}, {0, 0}});
}

TEST(ClipboardProcesses, WhatOneProcessCopiesAnotherPastesByteForByte) {
    if (!HasXvfb())
        GTEST_SKIP() << "no Xvfb";
    PrivateDisplay display;
    ASSERT_FALSE(display.Name().empty());
    TestFolder folder;
    const std::string block = Block();
    { std::ofstream(folder.File("in.bin"), std::ios::binary) << block; }
    const std::string name = ObjectClipboardStream::kFormatName;
    Child copier({PeerProgram(), "copy", name, folder.File("in.bin")}, display.Name());
    ASSERT_EQ(copier.ReadLine(), std::optional<std::string>("ready"));

    Child paster({PeerProgram(), "paste", name, folder.File("out.bin")}, display.Name());
    ASSERT_EQ(paster.Wait(), 0);
    const std::string pasted = TestFolder::Read(folder.File("out.bin"));
    EXPECT_EQ(pasted, block);
    const auto objects = ObjectClipboardStream::Read(pasted);
    ASSERT_TRUE(objects);
    ASSERT_EQ(objects->size(), 4u);
    EXPECT_EQ(static_cast<const CSchedule&>(*(*objects)[0].data).GetCaption(), "設計");
    EXPECT_EQ((*objects)[1].position.x, 50);

    // The name is taken exactly as it is written.
    Child other({PeerProgram(), "paste", "cf_quellbrandiren", folder.File("other.bin")},
                display.Name());
    EXPECT_EQ(other.Wait(), 1);
    EXPECT_FALSE(std::filesystem::exists(folder.File("other.bin")));

    // The copier serves until told to stop, and then ends cleanly.
    copier.CloseInput();
    EXPECT_EQ(copier.Wait(), 0);
}

}  // namespace
}  // namespace qb
