#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>

#include "FileOperationsSpy.h"
#include "LockedFile.h"
#include "SystemError.h"
#include "TestFolder.h"

namespace qb {
namespace {

namespace fs = std::filesystem;
using Mode = LockedFile::Mode;
using test::FileOperationsSpy;

class LockedFileSharesTest : public ::testing::Test {
protected:
    void SetUp() override { TestFolder::Write(Path(), old_); }
    std::string Path() const { return folder_.File("plan.qbd"); }
    std::unique_ptr<LockedFile> Hold() {
        std::uint32_t error = 0;
        auto file = LockedFile::Open(Path(), Mode::kRead, error, files_);
        EXPECT_NE(file, nullptr);
        return file;
    }

    const std::string old_ = std::string(3000, 'o');
    const std::string new_ = std::string(2000, 'n');
    FileOperationsSpy files_;
    TestFolder folder_;
};

// A share refuses to rename over a file another client has open; the save
// then writes over the file it holds, and leaves no temporary file behind.
// A failure of another kind is no reason to write in place.
TEST_F(LockedFileSharesTest, ARenameTheShareRefusesFallsBackToWritingInPlace) {
    struct Case {
        int renameErrno;
        bool saved;
    };
    const Case cases[] = {
        {EBUSY, true}, {EACCES, true}, {EPERM, true}, {ETXTBSY, true}, {EIO, false}};
    for (const Case& c : cases) {
        TestFolder::Write(Path(), old_);
        files_.log.clear();
        auto file = Hold();
        ASSERT_NE(file, nullptr);
        files_.Fail("rename", {c.renameErrno});
        std::uint32_t error = 0;
        EXPECT_EQ(file->Replace(new_, error), c.saved) << c.renameErrno;
        EXPECT_EQ(TestFolder::Read(Path()), c.saved ? new_ : old_) << c.renameErrno;
        if (c.saved) {
            EXPECT_EQ(files_.SaveTrace(), "write sync rename write sync") << c.renameErrno;
        } else {
            EXPECT_EQ(error, SystemError::kIoError);
        }
        EXPECT_EQ(folder_.EntryCount(), 1) << c.renameErrno;
        EXPECT_FALSE(file->IsDamaged());
    }
}

// A write in place that fails part-way must not leave a mixture of old and
// new: the old content goes back. Only when that fails too is the file
// reported damaged.
TEST_F(LockedFileSharesTest, AFailedWriteInPlacePutsTheOldContentBack) {
    for (bool putBackFails : {false, true}) {
        TestFolder::Write(Path(), old_);
        auto file = Hold();
        ASSERT_NE(file, nullptr);
        files_.Fail("rename", {EBUSY});
        // The temporary file, half the new content in place, then a full disk.
        files_.Fail("write", {FileOperationsSpy::kReal, FileOperationsSpy::kHalf, ENOSPC});
        if (putBackFails)
            files_.Fail("write", {ENOSPC});
        std::uint32_t error = 0;
        EXPECT_FALSE(file->Replace(new_, error));
        EXPECT_EQ(error, SystemError::kDiskFull);
        EXPECT_EQ(file->IsDamaged(), putBackFails);
        if (!putBackFails) {
            EXPECT_EQ(TestFolder::Read(Path()), old_);
        }
        // The next save that can write repairs it either way.
        ASSERT_TRUE(file->Replace(new_, error));
        EXPECT_FALSE(file->IsDamaged());
        EXPECT_EQ(TestFolder::Read(Path()), new_);
    }
}

// An SMB client may delete the old file to make room for the rename and then
// fail the rename: the new content must still reach the path, or at least
// survive beside it, held, until a later save succeeds.
TEST_F(LockedFileSharesTest, ARenameThatRemovedTheOldFileStillSavesTheContent) {
    auto file = Hold();
    ASSERT_NE(file, nullptr);
    files_.beforeRename = [](const std::string& target) { ::unlink(target.c_str()); };
    files_.Fail("rename", {EACCES});
    std::uint32_t error = 0;
    ASSERT_TRUE(file->Replace(new_, error));
    EXPECT_EQ(TestFolder::Read(Path()), new_);
    EXPECT_EQ(folder_.EntryCount(), 1);
    EXPECT_TRUE(file->GetRescuedCopy().empty());

    files_.Fail("rename", {EACCES, EIO});
    EXPECT_FALSE(file->Replace("newer", error));
    EXPECT_EQ(error, SystemError::kAccessDenied);
    EXPECT_FALSE(fs::exists(Path()));
    const std::string rescued = file->GetRescuedCopy();
    ASSERT_FALSE(rescued.empty());
    EXPECT_EQ(TestFolder::Read(rescued), "newer");

    files_.beforeRename = nullptr;
    ASSERT_TRUE(file->Replace("newest", error)) << "a stale file must not block later saves";
    EXPECT_EQ(TestFolder::Read(Path()), "newest");
    EXPECT_TRUE(file->GetRescuedCopy().empty());
    EXPECT_FALSE(fs::exists(rescued));
    EXPECT_EQ(folder_.EntryCount(), 1);
}

// A network client answers ESTALE for a file another client replaced and
// removed between our open and our lock: the path holds a newer file.
TEST_F(LockedFileSharesTest, AStaleFileIsOpenedAgain) {
    files_.Fail("lock", {ESTALE});
    std::uint32_t error = 0;
    auto file = LockedFile::Open(Path(), Mode::kRead, error, files_);
    ASSERT_NE(file, nullptr) << error;
    EXPECT_EQ(files_.Trace({"open", "lock"}), "open lock open lock");
}

// A FUSE file system whose program does not lock (bindfs, like sshfs and the
// desktop's network folders) keeps locks on this computer; the file is
// usable but reported as unprotected. Needs bindfs and the right to mount.
class FuseMount : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directory(folder_.File("data"));
        fs::create_directory(folder_.File("mnt"));
        const std::string mount =
            "bindfs '" + folder_.File("data") + "' '" + folder_.File("mnt") + "' >/dev/null 2>&1";
        if (::access("/dev/fuse", R_OK | W_OK) != 0 || std::system(mount.c_str()) != 0)
            GTEST_SKIP() << "no FUSE mount possible here (bindfs and /dev/fuse needed)";
        mounted_ = true;
    }
    void TearDown() override {
        if (mounted_) {
            const std::string unmount = "fusermount -u '" + folder_.File("mnt") +
                                        "' >/dev/null 2>&1 || umount '" + folder_.File("mnt") + "'";
            EXPECT_EQ(std::system(unmount.c_str()), 0);
        }
    }
    TestFolder folder_;
    bool mounted_ = false;
};

TEST_F(FuseMount, AFileOnFuseIsHeldButNotProtected) {
    const std::string path = folder_.File("mnt/plan.qbd");
    TestFolder::Write(path, "content");
    std::uint32_t error = 0;
    auto file = LockedFile::Open(path, Mode::kRead, error);
    ASSERT_NE(file, nullptr) << error;
    EXPECT_EQ(file->GetScope().reach, FileLock::Reach::kThisComputer);
    EXPECT_EQ(file->GetScope().fileSystem, "fuse");
    ASSERT_TRUE(file->Replace("saved", error)) << error;
    EXPECT_EQ(TestFolder::Read(folder_.File("data/plan.qbd")), "saved");
    EXPECT_EQ(file->GetScope().reach, FileLock::Reach::kThisComputer) << "after the save too";
}

}  // namespace
}  // namespace qb
