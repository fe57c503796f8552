#include "LockedFile.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <utility>

#include "ChildProcess.h"
#include "FileOperationsSpy.h"
#include "SystemError.h"
#include "TestFolder.h"

namespace qb {
namespace {

namespace fs = std::filesystem;
using Mode = LockedFile::Mode;
using test::BecomeUnprivileged;
using test::FileOperationsSpy;
using test::kCannotDropPrivileges;
using test::RunChild;

class LockedFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        // Children that drop to nobody must still reach the files.
        fs::permissions(folder_.Path(), fs::perms(0755));
    }
    void TearDown() override { fs::permissions(folder_.Path(), fs::perms(0755)); }

    std::string PathOf(const std::string& name) const { return folder_.File(name); }
    std::string Read(const std::string& name) const { return TestFolder::Read(PathOf(name)); }
    void Write(const std::string& name, const std::string& bytes) const {
        TestFolder::Write(PathOf(name), bytes);
    }
    int EntryCount() const { return folder_.EntryCount(); }
    bool IsHeld(const std::string& name) const {
        std::uint32_t error = 0;
        return LockedFile::Open(PathOf(name), Mode::kRead, error) == nullptr &&
               error == SystemError::kSharingViolation;
    }

    TestFolder folder_;
};

TEST_F(LockedFileTest, OpenFailuresReportTheirErrorNumbersAndCreateNothing) {
    fs::create_directory(PathOf("dir"));
    struct Case {
        std::string path;
        Mode mode;
        std::uint32_t error;
    };
    const Case cases[] = {
        {PathOf("missing"), Mode::kRead, SystemError::kFileNotFound},
        {PathOf("missing"), Mode::kReadOnly, SystemError::kFileNotFound},
        {PathOf("nowhere/f"), Mode::kRead, SystemError::kFileNotFound},
        {PathOf("nowhere/f"), Mode::kWrite, SystemError::kPathNotFound},
        {PathOf("dir"), Mode::kReadOnly, SystemError::kAccessDenied},
        {"", Mode::kWrite, SystemError::kPathNotFound},
    };
    for (const Case& c : cases) {
        std::uint32_t error = 0;
        EXPECT_EQ(LockedFile::Open(c.path, c.mode, error), nullptr) << c.path;
        EXPECT_EQ(error, c.error) << c.path;
    }
    EXPECT_EQ(EntryCount(), 1);
}

TEST_F(LockedFileTest, ASecondOpenerIsRefusedUntilTheHolderLetsGo) {
    Write("f", "x");
    std::uint32_t error = 0;
    auto holder = LockedFile::Open(PathOf("f"), Mode::kRead, error);
    ASSERT_NE(holder, nullptr);
    for (Mode mode : {Mode::kRead, Mode::kWrite, Mode::kReadOnly}) {
        EXPECT_EQ(LockedFile::Open(PathOf("f"), mode, error), nullptr);
        EXPECT_EQ(error, SystemError::kSharingViolation);
    }
    EXPECT_EQ(RunChild([&] { return IsHeld("f") ? 0 : 1; }), 0)
        << "another process must see the file as held";
    holder.reset();
    EXPECT_FALSE(IsHeld("f"));
}

// A killed process keeps its page cache, so no kill test can see a missing
// flush; only the order of the calls shows it.
TEST_F(LockedFileTest, ReplacingFlushesTheContentIntoPlaceAndKeepsTheFileHeld) {
    const std::string old(10000, 'o');
    Write("existing", old);
    for (const char* name : {"existing", "new"}) {
        FileOperationsSpy files;
        std::uint32_t error = 0;
        auto file = LockedFile::Open(PathOf(name), Mode::kWrite, error, files);
        ASSERT_NE(file, nullptr) << name;
        std::string read;
        if (file->Exists()) {
            ASSERT_TRUE(file->ReadAll(read, error));
            EXPECT_EQ(read, old) << "opening for writing does not truncate";
        } else {
            EXPECT_FALSE(fs::exists(PathOf(name))) << "a new file appears only when written";
        }
        ASSERT_TRUE(file->Replace("data", error));
        EXPECT_EQ(files.SaveTrace(), "write sync rename") << name;
        ASSERT_TRUE(file->ReadAll(read, error));
        EXPECT_EQ(read, "data") << name;
        EXPECT_EQ(Read(name), "data") << name;
        EXPECT_TRUE(IsHeld(name)) << name << " is held from the moment it appears";
        file.reset();
        EXPECT_FALSE(IsHeld(name)) << name;
    }
    EXPECT_EQ(EntryCount(), 2);
}

// Another save may put a new file at the path between our open and our lock;
// the lock then holds a file nobody reads any more. Without the check after
// locking, a writer would lose that save's content.
TEST_F(LockedFileTest, AFileReplacedBetweenOpenAndLockIsOpenedAgain) {
    Write("f", "old");
    FileOperationsSpy files;
    bool replaced = false;
    files.beforeLock = [&] {
        if (std::exchange(replaced, true))
            return;
        Write("other", "saved meanwhile");
        fs::rename(PathOf("other"), PathOf("f"));
    };
    std::uint32_t error = 0;
    auto file = LockedFile::Open(PathOf("f"), Mode::kRead, error, files);
    ASSERT_NE(file, nullptr);
    std::string read;
    ASSERT_TRUE(file->ReadAll(read, error));
    EXPECT_EQ(read, "saved meanwhile");
    EXPECT_EQ(files.Trace({"open", "lock"}), "open lock open lock");
    EXPECT_TRUE(IsHeld("f"));
}

TEST_F(LockedFileTest, ReplacingKeepsPermissionsOwnerAndSymbolicLinks) {
    Write("target", "old");
    ASSERT_EQ(::chmod(PathOf("target").c_str(), 0640), 0);
    const passwd* nobody = ::geteuid() == 0 ? ::getpwnam("nobody") : nullptr;
    if (nobody != nullptr) {
        ASSERT_EQ(::chown(PathOf("target").c_str(), nobody->pw_uid, nobody->pw_gid), 0);
    }
    fs::create_symlink(PathOf("target"), PathOf("link"));
    std::uint32_t error = 0;
    auto file = LockedFile::Open(PathOf("link"), Mode::kRead, error);
    ASSERT_NE(file, nullptr);
    ASSERT_TRUE(file->Replace("new", error));
    EXPECT_TRUE(fs::is_symlink(PathOf("link")));
    EXPECT_EQ(Read("target"), "new");
    struct stat info {};
    ASSERT_EQ(::stat(PathOf("target").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    if (nobody != nullptr) {
        EXPECT_EQ(info.st_uid, nobody->pw_uid);
    }
    EXPECT_TRUE(IsHeld("target")) << "held through either name";
}

TEST_F(LockedFileTest, AFileHeldReadOnlyRefusesToBeReplaced) {
    Write("f", "old");
    std::uint32_t error = 0;
    auto file = LockedFile::Open(PathOf("f"), Mode::kReadOnly, error);
    ASSERT_TRUE(file != nullptr && file->IsReadOnly());
    EXPECT_FALSE(file->Replace("new", error));
    EXPECT_EQ(error, SystemError::kAccessDenied);
    EXPECT_EQ(Read("f"), "old");
}

TEST_F(LockedFileTest, WithoutWritePermissionOnlyTheReadOnlyOpenSucceeds) {
    Write("f", "old");
    ASSERT_EQ(::chmod(PathOf("f").c_str(), 0444), 0);
    int child = RunChild([&] {
        if (!BecomeUnprivileged())
            return kCannotDropPrivileges;
        std::uint32_t error = 0;
        if (LockedFile::Open(PathOf("f"), Mode::kRead, error) != nullptr ||
            error != SystemError::kAccessDenied)
            return 1;
        auto file = LockedFile::Open(PathOf("f"), Mode::kReadOnly, error);
        std::string read;
        return file != nullptr && file->ReadAll(read, error) && read == "old" ? 0 : 2;
    });
    if (child == kCannotDropPrivileges)
        GTEST_SKIP() << "no user nobody to drop to";
    EXPECT_EQ(child, 0);
}

TEST_F(LockedFileTest, AFailedWriteLeavesTheOldFileWholeAndNoTemporaryFile) {
    const std::string old(100, 'o');
    Write("f", old);
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
        if (Read("f") != old || EntryCount() != 1)
            return 3;
        // Still held, and a later save that fits succeeds.
        if (!IsHeld("f"))
            return 4;
        return file->Replace("small", error) && Read("f") == "small" ? 0 : 5;
    });
    EXPECT_EQ(child, 0);
}

TEST_F(LockedFileTest, AFolderThatRefusesNewFilesGetsTheContentWrittenInPlace) {
    Write("f", std::string(5000, 'o'));
    ASSERT_EQ(::chmod(PathOf("f").c_str(), 0666), 0);
    fs::permissions(folder_.Path(), fs::perms(0555));
    int child = RunChild([&] {
        if (!BecomeUnprivileged())
            return kCannotDropPrivileges;
        std::uint32_t error = 0;
        FileOperationsSpy files;
        auto file = LockedFile::Open(PathOf("f"), Mode::kRead, error, files);
        if (file == nullptr || !file->Replace("short", error))
            return 1;
        if (files.Trace({"sync", "rename"}) != "sync")
            return 3;  // written over in place, and flushed
        std::string read;
        return file->ReadAll(read, error) && read == "short" ? 0 : 2;
    });
    if (child == kCannotDropPrivileges)
        GTEST_SKIP() << "no user nobody to drop to";
    EXPECT_EQ(child, 0);
    EXPECT_EQ(Read("f"), "short");
    EXPECT_EQ(EntryCount(), 1);
}

TEST_F(LockedFileTest, TemporaryFilesOfDeadSavesAreRemovedAndLiveOnesKept) {
    Write("f", "old");
    const std::string prefix = LockedFile::TempPrefixFor(PathOf("f"));
    TestFolder::Write(prefix + "999999-0", "half");
    TestFolder::Write(prefix + "999999-1", "writing");
    TestFolder::Write(prefix + "notes", "the user's own");
    int live = ::open((prefix + "999999-1").c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_GE(live, 0);
    ASSERT_EQ(::flock(live, LOCK_EX | LOCK_NB), 0);
    Write("other", "not ours");

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

}  // namespace
}  // namespace qb
