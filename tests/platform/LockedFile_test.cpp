#include "LockedFile.h"

#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <set>
#include <sstream>
#include <thread>

#include "SystemError.h"

namespace qb {
namespace {

namespace fs = std::filesystem;
using Mode = LockedFile::Mode;

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// Runs body in a forked child and gives its exit status, or 128 + signal.
// The child leaves with _exit, so nothing of the test program runs twice.
int RunChild(const std::function<int()>& body) {
    pid_t pid = ::fork();
    if (pid == 0)
        ::_exit(body());
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

// The suite runs as root in CI, where permissions prove nothing: a child
// that must be refused drops to user nobody first.
bool BecomeUnprivileged() {
    if (::geteuid() != 0)
        return true;
    const passwd* nobody = ::getpwnam("nobody");
    return nobody != nullptr && ::setgroups(0, nullptr) == 0 && ::setgid(nobody->pw_gid) == 0 &&
           ::setuid(nobody->pw_uid) == 0;
}

class LockedFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "qb_lockedfile_XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        folder_ = pattern;
        // Children that drop to nobody must still reach the files.
        fs::permissions(folder_, fs::perms(0755));
    }
    void TearDown() override {
        fs::permissions(folder_, fs::perms(0755));
        fs::remove_all(folder_);
    }
    std::string PathOf(const std::string& name) const { return (folder_ / name).string(); }
    int EntryCount() const {
        int count = 0;
        for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder_))
            ++count;
        return count;
    }

    fs::path folder_;
};

TEST_F(LockedFileTest, OpeningAMissingFileForReadingFailsWithNotFoundAndCreatesNothing) {
    std::uint32_t error = 0;
    EXPECT_EQ(LockedFile::Open(PathOf("missing"), Mode::kRead, error), nullptr);
    EXPECT_EQ(error, SystemError::kFileNotFound);
    EXPECT_EQ(LockedFile::Open(PathOf("missing"), Mode::kReadOnly, error), nullptr);
    EXPECT_EQ(error, SystemError::kFileNotFound);
    EXPECT_EQ(EntryCount(), 0);
}

TEST_F(LockedFileTest, OpeningForWritingCreatesTheFileOnlyWithItsFirstContent) {
    std::uint32_t error = 0;
    auto file = LockedFile::Open(PathOf("new"), Mode::kWrite, error);
    ASSERT_NE(file, nullptr);
    EXPECT_FALSE(file->Exists());
    EXPECT_FALSE(fs::exists(PathOf("new")));
    ASSERT_TRUE(file->Replace("first", error));
    EXPECT_EQ(ReadFile(PathOf("new")), "first");
    EXPECT_EQ(EntryCount(), 1);
    // The new file is held from the moment it appears.
    EXPECT_EQ(LockedFile::Open(PathOf("new"), Mode::kRead, error), nullptr);
    EXPECT_EQ(error, SystemError::kSharingViolation);
}

TEST_F(LockedFileTest, OpeningForWritingDoesNotTruncateAnExistingFile) {
    WriteFile(PathOf("f"), "content");
    std::uint32_t error = 0;
    auto file = LockedFile::Open(PathOf("f"), Mode::kWrite, error);
    ASSERT_NE(file, nullptr);
    std::string read;
    ASSERT_TRUE(file->ReadAll(read, error));
    EXPECT_EQ(read, "content");
}

TEST_F(LockedFileTest, OpeningInAMissingFolderFailsWithPathNotFound) {
    std::uint32_t error = 0;
    EXPECT_EQ(LockedFile::Open(PathOf("nowhere/f"), Mode::kWrite, error), nullptr);
    EXPECT_EQ(error, SystemError::kPathNotFound);
    EXPECT_EQ(LockedFile::Open(PathOf("nowhere/f"), Mode::kRead, error), nullptr);
    EXPECT_EQ(error, SystemError::kFileNotFound);
}

TEST_F(LockedFileTest, AFolderOrAnEmptyPathIsNotAFileToOpen) {
    std::uint32_t error = 0;
    fs::create_directory(PathOf("dir"));
    EXPECT_EQ(LockedFile::Open(PathOf("dir"), Mode::kReadOnly, error), nullptr);
    EXPECT_EQ(error, SystemError::kAccessDenied);
    EXPECT_EQ(LockedFile::Open("", Mode::kWrite, error), nullptr);
    EXPECT_NE(error, 0u);
}

TEST_F(LockedFileTest, ASecondOpenerIsRefusedUntilTheHolderLetsGo) {
    WriteFile(PathOf("f"), "x");
    std::uint32_t error = 0;
    auto holder = LockedFile::Open(PathOf("f"), Mode::kRead, error);
    ASSERT_NE(holder, nullptr);
    for (Mode mode : {Mode::kRead, Mode::kWrite, Mode::kReadOnly}) {
        EXPECT_EQ(LockedFile::Open(PathOf("f"), mode, error), nullptr);
        EXPECT_EQ(error, SystemError::kSharingViolation);
    }
    int child = RunChild([&] {
        std::uint32_t code = 0;
        return LockedFile::Open(PathOf("f"), Mode::kRead, code) == nullptr &&
                       code == SystemError::kSharingViolation
                   ? 0
                   : 1;
    });
    EXPECT_EQ(child, 0) << "another process must see the file as held";
    holder.reset();
    EXPECT_NE(LockedFile::Open(PathOf("f"), Mode::kRead, error), nullptr);
}

TEST_F(LockedFileTest, AReplacedFileIsStillHeldAndReadsTheNewContent) {
    WriteFile(PathOf("f"), std::string(10000, 'o'));
    std::uint32_t error = 0;
    auto file = LockedFile::Open(PathOf("f"), Mode::kRead, error);
    ASSERT_NE(file, nullptr);
    ASSERT_TRUE(file->Replace("new", error));
    std::string read;
    ASSERT_TRUE(file->ReadAll(read, error));
    EXPECT_EQ(read, "new");
    EXPECT_EQ(ReadFile(PathOf("f")), "new");
    EXPECT_EQ(EntryCount(), 1);
    EXPECT_EQ(LockedFile::Open(PathOf("f"), Mode::kRead, error), nullptr);
    EXPECT_EQ(error, SystemError::kSharingViolation);
    file.reset();
    EXPECT_NE(LockedFile::Open(PathOf("f"), Mode::kRead, error), nullptr);
}

TEST_F(LockedFileTest, ReplacingKeepsPermissionsAndOwner) {
    WriteFile(PathOf("f"), "old");
    ASSERT_EQ(::chmod(PathOf("f").c_str(), 0640), 0);
    const passwd* nobody = ::geteuid() == 0 ? ::getpwnam("nobody") : nullptr;
    if (nobody != nullptr) {
        ASSERT_EQ(::chown(PathOf("f").c_str(), nobody->pw_uid, nobody->pw_gid), 0);
    }
    std::uint32_t error = 0;
    auto file = LockedFile::Open(PathOf("f"), Mode::kRead, error);
    ASSERT_NE(file, nullptr);
    ASSERT_TRUE(file->Replace("new", error));
    struct stat info {};
    ASSERT_EQ(::stat(PathOf("f").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    if (nobody != nullptr) {
        EXPECT_EQ(info.st_uid, nobody->pw_uid);
    }
}

TEST_F(LockedFileTest, ReplacingThroughASymbolicLinkKeepsTheLink) {
    WriteFile(PathOf("target"), "old");
    fs::create_symlink(PathOf("target"), PathOf("link"));
    std::uint32_t error = 0;
    auto file = LockedFile::Open(PathOf("link"), Mode::kRead, error);
    ASSERT_NE(file, nullptr);
    ASSERT_TRUE(file->Replace("new", error));
    EXPECT_TRUE(fs::is_symlink(PathOf("link")));
    EXPECT_EQ(ReadFile(PathOf("target")), "new");
    // Held through either name.
    EXPECT_EQ(LockedFile::Open(PathOf("target"), Mode::kRead, error), nullptr);
    EXPECT_EQ(error, SystemError::kSharingViolation);
}

TEST_F(LockedFileTest, AFileHeldReadOnlyRefusesToBeReplaced) {
    WriteFile(PathOf("f"), "old");
    std::uint32_t error = 0;
    auto file = LockedFile::Open(PathOf("f"), Mode::kReadOnly, error);
    ASSERT_NE(file, nullptr);
    EXPECT_TRUE(file->IsReadOnly());
    EXPECT_FALSE(file->Replace("new", error));
    EXPECT_EQ(error, SystemError::kAccessDenied);
    EXPECT_EQ(ReadFile(PathOf("f")), "old");
}

TEST_F(LockedFileTest, WithoutWritePermissionOnlyTheReadOnlyOpenSucceeds) {
    WriteFile(PathOf("f"), "old");
    ASSERT_EQ(::chmod(PathOf("f").c_str(), 0444), 0);
    int child = RunChild([&] {
        if (!BecomeUnprivileged())
            return 10;
        std::uint32_t error = 0;
        if (LockedFile::Open(PathOf("f"), Mode::kRead, error) != nullptr ||
            error != SystemError::kAccessDenied)
            return 1;
        auto file = LockedFile::Open(PathOf("f"), Mode::kReadOnly, error);
        std::string read;
        return file != nullptr && file->ReadAll(read, error) && read == "old" ? 0 : 2;
    });
    if (child == 10)
        GTEST_SKIP() << "no user nobody to drop to";
    EXPECT_EQ(child, 0);
}

TEST_F(LockedFileTest, AFailedWriteLeavesTheOldFileWholeAndNoTemporaryFile) {
    const std::string old(100, 'o');
    WriteFile(PathOf("f"), old);
    // A file size limit stands in for a full disk.
    int child = RunChild([&] {
        rlimit limit{4096, 4096};
        std::signal(SIGXFSZ, SIG_IGN);
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0)
            return 10;
        std::uint32_t error = 0;
        auto file = LockedFile::Open(PathOf("f"), Mode::kRead, error);
        if (file == nullptr)
            return 1;
        if (file->Replace(std::string(100000, 'n'), error) || error == 0)
            return 2;
        if (ReadFile(PathOf("f")) != old || EntryCount() != 1)
            return 3;
        // Still held, and a later save that fits succeeds.
        std::uint32_t other = 0;
        if (LockedFile::Open(PathOf("f"), Mode::kRead, other) != nullptr)
            return 4;
        return file->Replace("small", error) && ReadFile(PathOf("f")) == "small" ? 0 : 5;
    });
    EXPECT_EQ(child, 0);
}

TEST_F(LockedFileTest, AFolderThatRefusesNewFilesGetsTheContentWrittenInPlace) {
    WriteFile(PathOf("f"), std::string(5000, 'o'));
    ASSERT_EQ(::chmod(PathOf("f").c_str(), 0666), 0);
    fs::permissions(folder_, fs::perms(0555));
    int child = RunChild([&] {
        if (!BecomeUnprivileged())
            return 10;
        std::uint32_t error = 0;
        auto file = LockedFile::Open(PathOf("f"), Mode::kRead, error);
        if (file == nullptr || !file->Replace("short", error))
            return 1;
        std::string read;
        return file->ReadAll(read, error) && read == "short" ? 0 : 2;
    });
    if (child == 10)
        GTEST_SKIP() << "no user nobody to drop to";
    EXPECT_EQ(child, 0);
    EXPECT_EQ(ReadFile(PathOf("f")), "short");
    EXPECT_EQ(EntryCount(), 1);
}

TEST_F(LockedFileTest, TemporaryFilesOfDeadSavesAreRemovedAndLiveOnesKept) {
    WriteFile(PathOf("f"), "old");
    const std::string prefix = LockedFile::TempPrefixFor(PathOf("f"));
    WriteFile(prefix + "999999-0", "half");
    WriteFile(prefix + "999999-1", "writing");
    WriteFile(prefix + "notes", "the user's own");
    int live = ::open((prefix + "999999-1").c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_GE(live, 0);
    ASSERT_EQ(::flock(live, LOCK_EX | LOCK_NB), 0);
    WriteFile(PathOf("other"), "not ours");

    std::uint32_t error = 0;
    auto file = LockedFile::Open(PathOf("f"), Mode::kRead, error);
    ASSERT_NE(file, nullptr);
    ASSERT_TRUE(file->Replace("new", error));
    EXPECT_FALSE(fs::exists(prefix + "999999-0"));
    EXPECT_TRUE(fs::exists(prefix + "999999-1"));
    EXPECT_TRUE(fs::exists(prefix + "notes"));
    EXPECT_TRUE(fs::exists(PathOf("other")));
    ::close(live);
}

// Every writer appends its own lines under the lock. Without the check that
// the locked file is still the one at the path, writers that locked a file
// already replaced by another save lose that save's lines.
TEST_F(LockedFileTest, ConcurrentWritersLoseNoUpdate) {
    constexpr int kWriters = 8;
    constexpr int kCycles = 100;
    WriteFile(PathOf("f"), "");
    std::vector<pid_t> children;
    for (int k = 0; k < kWriters; ++k) {
        pid_t pid = ::fork();
        if (pid == 0) {
            for (int i = 0; i < kCycles; ++i) {
                std::uint32_t error = 0;
                std::unique_ptr<LockedFile> file;
                while (!(file = LockedFile::Open(PathOf("f"), Mode::kRead, error))) {
                    if (error != SystemError::kSharingViolation)
                        ::_exit(1);
                    // Retrying at once keeps the writers colliding in the short
                    // span between an open and its lock.
                    ::sched_yield();
                }
                std::string text;
                if (!file->ReadAll(text, error))
                    ::_exit(2);
                text += std::to_string(k) + "-" + std::to_string(i) + "\n";
                if (!file->Replace(text, error))
                    ::_exit(3);
            }
            ::_exit(0);
        }
        children.push_back(pid);
    }
    for (pid_t pid : children) {
        int status = 0;
        ::waitpid(pid, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    std::istringstream lines(ReadFile(PathOf("f")));
    std::set<std::string> seen;
    for (std::string line; std::getline(lines, line);)
        seen.insert(line);
    EXPECT_EQ(seen.size(), static_cast<std::size_t>(kWriters * kCycles));
    EXPECT_EQ(EntryCount(), 1);
}

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

int KillRounds(int fallback) {
    const char* rounds = std::getenv("QB_KILL_ROUNDS");
    return rounds != nullptr ? std::max(1, std::atoi(rounds)) : fallback;
}

// QB_KILL_ROUNDS sets the number of kills for a longer manual run.
TEST_F(LockedFileTest, ASaveKilledAtAnyMomentLeavesAWholeFile) {
    const int rounds = KillRounds(100);
    WriteFile(PathOf("f"), Content(10, 'a'));
    std::minstd_rand random(12345);
    for (int round = 0; round < rounds; ++round) {
        pid_t pid = ::fork();
        if (pid == 0) {
            for (int i = 0;; ++i) {
                std::uint32_t error = 0;
                auto file = LockedFile::Open(PathOf("f"), Mode::kWrite, error);
                if (file != nullptr)
                    file->Replace(Content(200000 + 1000 * (i % 50), 'a' + i % 26), error);
            }
        }
        std::this_thread::sleep_for(std::chrono::microseconds(random() % 20000));
        ::kill(pid, SIGKILL);
        ::waitpid(pid, nullptr, 0);
        ASSERT_TRUE(IsWhole(ReadFile(PathOf("f")))) << "after kill " << round;
        // At most the one temporary file of the save that was cut short.
        ASSERT_LE(EntryCount(), 2) << "after kill " << round;
    }
    std::uint32_t error = 0;
    auto file = LockedFile::Open(PathOf("f"), Mode::kWrite, error);
    ASSERT_NE(file, nullptr);
    ASSERT_TRUE(file->Replace(Content(1, 'z'), error));
    EXPECT_EQ(EntryCount(), 1);
}

}  // namespace
}  // namespace qb
