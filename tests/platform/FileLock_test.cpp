#include "FileLock.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

#include "ChildProcess.h"
#include "FileIo.h"
#include "FileOperationsSpy.h"
#include "LockedFile.h"
#include "SystemError.h"
#include "TestFolder.h"

namespace qb {
namespace {

using Mode = LockedFile::Mode;
using Reach = FileLock::Reach;
using test::FileOperationsSpy;
using test::RunChild;
using test::StartChild;
using test::WaitForChild;

constexpr std::uint64_t kExt4Magic = 0xEF53;

class FileLockTest : public ::testing::Test {
protected:
    void SetUp() override { TestFolder::Write(Path(), "content"); }
    std::string Path() const { return folder_.File("plan.qbd"); }

    // Whether an open of the file in another process, through ops that
    // answer for fileSystem, finds it held.
    bool HeldForAnother(std::uint64_t fileSystem = kExt4Magic) const {
        return RunChild([&] {
                   FileOperationsSpy files;
                   files.fileSystemType = fileSystem;
                   std::uint32_t error = 0;
                   auto file = LockedFile::Open(Path(), Mode::kRead, error, files);
                   return file == nullptr && error == SystemError::kSharingViolation ? 0 : 1;
               }) == 0;
    }

    TestFolder folder_;
};

// The kernel keeps flock and byte-range locks apart on local disks, so both
// are taken there; NFS and SMB clients make a byte-range lock of a flock
// themselves, where a second lock of ours would only get in our own way.
TEST_F(FileLockTest, AFlockGoesBesideTheLockOnlyWhereTheKernelKeepsThemApart) {
    struct Case {
        std::uint64_t type;
        const char* calls;
        Reach reach;
        const char* name;
    };
    const Case cases[] = {
        {kExt4Magic, "lock flock", Reach::kEveryone, "0xef53"},
        {FileLock::kNfsMagic, "lock", Reach::kEveryone, "nfs"},
        {FileLock::kCifsMagic, "lock", Reach::kEveryone, "cifs"},
        {FileLock::kSmb2Magic, "lock", Reach::kEveryone, "smb3"},
        {FileLock::kFuseMagic, "lock flock", Reach::kThisComputer, "fuse"},
        {FileLock::kCodaMagic, "lock flock", Reach::kThisComputer, "coda"},
    };
    for (const Case& c : cases) {
        FileOperationsSpy files;
        files.fileSystemType = c.type;
        std::uint32_t error = 0;
        auto file = LockedFile::Open(Path(), Mode::kRead, error, files);
        ASSERT_NE(file, nullptr) << c.name;
        EXPECT_EQ(files.Trace({"lock", "flock"}), c.calls) << c.name;
        EXPECT_EQ(file->GetScope().reach, c.reach) << c.name;
        EXPECT_EQ(file->GetScope().fileSystem, c.name);
        EXPECT_EQ(file->GetScope().Protects(), c.reach == Reach::kEveryone) << c.name;
        EXPECT_TRUE(HeldForAnother(c.type)) << c.name;
    }
}

// An NFS mount without the lock service keeps byte-range locks on this
// computer, which is as unsafe for shared mode as FUSE.
TEST_F(FileLockTest, NfsMountedWithLocalLocksReachesThisComputerOnly) {
    struct Case {
        const char* options;
        Reach reach;
        const char* name;
    };
    const Case cases[] = {
        {"rw,vers=3,nolock,proto=tcp", Reach::kThisComputer, "nfs nolock"},
        {"rw,vers=3,local_lock=all", Reach::kThisComputer, "nfs local_lock=all"},
        {"local_lock=posix,vers=4.2", Reach::kThisComputer, "nfs local_lock=posix"},
        {"rw,vers=4.2,local_lock=none,addr=10.0.0.1", Reach::kEveryone, "nfs"},
        {"rw,vers=3,local_lock=flock", Reach::kEveryone, "nfs"},
    };
    for (const Case& c : cases) {
        FileOperationsSpy files;
        files.fileSystemType = FileLock::kNfsMagic;
        files.mountOptions = c.options;
        std::uint32_t error = 0;
        auto file = LockedFile::Open(Path(), Mode::kRead, error, files);
        ASSERT_NE(file, nullptr) << c.options;
        EXPECT_EQ(file->GetScope().reach, c.reach) << c.options;
        EXPECT_EQ(file->GetScope().fileSystem, c.name) << c.options;
    }
}

TEST_F(FileLockTest, TheMountOptionsOfARealFileAreFound) {
    const int fd = ::open(Path().c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_GE(fd, 0);
    std::string options;
    EXPECT_EQ(PosixFileOperations::Instance().MountOptions(fd, options), 0);
    ::close(fd);
    EXPECT_TRUE(options.starts_with("rw") || options.starts_with("ro")) << options;
}

// A classic record lock belongs to the process and goes with the first
// close of any descriptor of the file: a backup copy or a second reader
// would silently end the hold. Where no flock backs it up (NFS), only the
// description lock keeps the others out.
TEST_F(FileLockTest, ClosingAnotherDescriptorOfTheHeldFileKeepsTheLock) {
    FileOperationsSpy files;
    files.fileSystemType = FileLock::kNfsMagic;
    std::uint32_t error = 0;
    auto holder = LockedFile::Open(Path(), Mode::kRead, error, files);
    ASSERT_NE(holder, nullptr);
    const int reader = ::open(Path().c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_GE(reader, 0);
    char byte = 0;
    EXPECT_EQ(::read(reader, &byte, 1), 1);
    ::close(reader);
    EXPECT_TRUE(HeldForAnother(FileLock::kNfsMagic));
    std::string copy;
    ASSERT_TRUE(FileIo::ReadAll(Path(), copy, error));
    EXPECT_TRUE(HeldForAnother(FileLock::kNfsMagic)) << "after a whole-file copy";
    holder.reset();
    EXPECT_FALSE(HeldForAnother(FileLock::kNfsMagic));
}

// Another program, or an older build of this one, may hold the file by
// either kind of lock; each must read as the file being busy, in every mode.
TEST_F(FileLockTest, ALockOfEitherKindInAnotherProcessIsASharingViolation) {
    for (const char* kind : {"description", "flock"}) {
        int ready[2];
        int release[2];
        ASSERT_EQ(::pipe(ready), 0);
        ASSERT_EQ(::pipe(release), 0);
        const pid_t child = StartChild([&] {
            const int fd = ::open(Path().c_str(), O_RDWR | O_CLOEXEC);
            struct flock lock {};
            lock.l_type = F_WRLCK;
            lock.l_whence = SEEK_SET;
            const bool locked = std::string(kind) == "flock" ? ::flock(fd, LOCK_EX | LOCK_NB) == 0
                                                             : ::fcntl(fd, F_OFD_SETLK, &lock) == 0;
            const char answer = locked ? 'y' : 'n';
            char done = 0;
            return ::write(ready[1], &answer, 1) == 1 && ::read(release[0], &done, 1) >= 0 ? 0 : 1;
        });
        char answer = 0;
        ASSERT_EQ(::read(ready[0], &answer, 1), 1);
        ASSERT_EQ(answer, 'y') << kind;
        for (Mode mode : {Mode::kRead, Mode::kWrite, Mode::kReadOnly}) {
            std::uint32_t error = 0;
            EXPECT_EQ(LockedFile::Open(Path(), mode, error), nullptr) << kind;
            EXPECT_EQ(error, SystemError::kSharingViolation) << kind;
        }
        ASSERT_EQ(::write(release[1], "x", 1), 1);
        EXPECT_EQ(WaitForChild(child), 0);
        for (int fd : {ready[0], ready[1], release[0], release[1]})
            ::close(fd);
        std::uint32_t error = 0;
        EXPECT_NE(LockedFile::Open(Path(), Mode::kRead, error), nullptr) << kind << " let go";
    }
}

// A file system without locks still lets the file be opened (single mode
// works there), but says that nothing keeps the others out. A lock that is
// refused because someone holds it is never taken for that: an SMB client
// reports such a lock as EACCES.
TEST_F(FileLockTest, ALockCallWithoutSupportOpensTheFileUnprotected) {
    struct Case {
        int lockErrno;
        bool opens;
        std::uint32_t error;
    };
    const Case cases[] = {
        {ENOLCK, true, 0},
        {EOPNOTSUPP, true, 0},
        {EINVAL, true, 0},
        {EACCES, false, SystemError::kSharingViolation},
        {EAGAIN, false, SystemError::kSharingViolation},
        {EIO, false, SystemError::kIoError},
    };
    for (const Case& c : cases) {
        FileOperationsSpy files;
        files.fileSystemType = FileLock::kNfsMagic;
        files.Fail("lock", {c.lockErrno});
        std::uint32_t error = 0;
        auto file = LockedFile::Open(Path(), Mode::kRead, error, files);
        EXPECT_EQ(file != nullptr, c.opens) << c.lockErrno;
        EXPECT_EQ(error, c.error) << c.lockErrno;
        if (file) {
            EXPECT_EQ(file->GetScope().reach, Reach::kNotSupported);
            EXPECT_EQ(file->GetScope().fileSystem, "nfs");
            EXPECT_FALSE(file->GetScope().Protects());
        }
    }
}

// Without a description lock, a flock where one can be had still keeps out
// the other processes of this computer.
TEST_F(FileLockTest, WithoutDescriptionLocksAFlockStillKeepsThisComputerOut) {
    FileOperationsSpy files;
    files.Fail("lock", {ENOLCK});
    std::uint32_t error = 0;
    auto file = LockedFile::Open(Path(), Mode::kRead, error, files);
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(files.Trace({"lock", "flock"}), "lock flock");
    EXPECT_FALSE(file->GetScope().Protects());
    EXPECT_TRUE(HeldForAnother());
}

}  // namespace
}  // namespace qb
