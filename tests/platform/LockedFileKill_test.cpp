#include "LockedFile.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <random>
#include <thread>

#include "TestFolder.h"

namespace qb {
namespace {

// A content that tells whether it is whole: its length, a filler byte, and
// an end mark.
std::string Content(std::size_t length, char filler) {
    return std::to_string(length) + ":" + std::string(length, filler) + "#end";
}

bool IsWhole(const std::string& bytes) {
    std::size_t colon = bytes.find(':');
    if (colon == std::string::npos)
        return false;
    std::size_t length = std::stoul(bytes.substr(0, colon));
    return bytes.size() == colon + 1 + length + 4 && bytes.ends_with("#end");
}

// QB_KILL_ROUNDS sets the number of kills for a longer manual run.
int KillRounds(int fallback) {
    const char* rounds = std::getenv("QB_KILL_ROUNDS");
    return rounds != nullptr ? std::max(1, std::atoi(rounds)) : fallback;
}

TEST(LockedFileKill, ASaveKilledAtAnyMomentLeavesAWholeFile) {
    TestFolder folder;
    const std::string path = folder.File("f");
    TestFolder::Write(path, Content(10, 'a'));
    std::minstd_rand random(12345);
    const int rounds = KillRounds(100);
    for (int round = 0; round < rounds; ++round) {
        pid_t pid = ::fork();
        if (pid == 0) {
            for (int i = 0;; ++i) {
                std::uint32_t error = 0;
                auto file = LockedFile::Open(path, LockedFile::Mode::kWrite, error);
                if (file != nullptr)
                    file->Replace(Content(200000 + 1000 * (i % 50), 'a' + i % 26), error);
            }
        }
        std::this_thread::sleep_for(std::chrono::microseconds(random() % 20000));
        ::kill(pid, SIGKILL);
        ::waitpid(pid, nullptr, 0);
        ASSERT_TRUE(IsWhole(TestFolder::Read(path))) << "after kill " << round;
        // At most the one temporary file of the save that was cut short.
        ASSERT_LE(folder.EntryCount(), 2) << "after kill " << round;
    }
    std::uint32_t error = 0;
    auto file = LockedFile::Open(path, LockedFile::Mode::kWrite, error);
    ASSERT_NE(file, nullptr);
    ASSERT_TRUE(file->Replace(Content(1, 'z'), error));
    EXPECT_EQ(folder.EntryCount(), 1);
}

}  // namespace
}  // namespace qb
