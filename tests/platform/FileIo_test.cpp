#include "FileIo.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "ChildProcess.h"
#include "FileOperationsSpy.h"
#include "SystemError.h"
#include "TestFolder.h"

namespace qb {
namespace {

TEST(FileIo, RewritingWithLessLeavesExactlyTheNewBytesTheModeAndNoTemporaryFile) {
    TestFolder folder;
    const std::string path = folder.File("f");
    const std::string bytes("a\0b\r\n\xFF", 6);
    std::uint32_t error = 99;
    ASSERT_TRUE(FileIo::WriteAtomically(path, std::string(10000, 'x'), error));
    ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
    ASSERT_TRUE(FileIo::WriteAtomically(path, bytes, error));
    EXPECT_EQ(error, 0u);
    std::string read;
    ASSERT_TRUE(FileIo::ReadAll(path, read, error));
    EXPECT_EQ(read, bytes);
    EXPECT_EQ(folder.EntryCount(), 1);
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
}

TEST(FileIo, TheNewDataIsFlushedBeforeItIsRenamedOverTheOld) {
    TestFolder folder;
    test::FileOperationsSpy files;
    std::uint32_t error = 0;
    ASSERT_TRUE(FileIo::WriteAtomically(folder.File("f"), "data", error, files));
    EXPECT_EQ(files.SaveTrace(), "write sync rename");
}

TEST(FileIo, MissingFilesAndFoldersReportTheirErrorNumbers) {
    TestFolder folder;
    std::string read = "kept";
    std::uint32_t error = 0;
    EXPECT_FALSE(FileIo::ReadAll(folder.File("absent"), read, error));
    EXPECT_EQ(error, SystemError::kFileNotFound);
    EXPECT_EQ(read, "kept");
    EXPECT_FALSE(FileIo::WriteAtomically(folder.File("no/such/folder/f"), "x", error));
    EXPECT_EQ(error, SystemError::kFileNotFound);
    ASSERT_TRUE(FileIo::ReadAll(folder.File("new"), read, error, true));
    EXPECT_EQ(read, "") << "a missing file can be created empty";
    EXPECT_TRUE(std::filesystem::exists(folder.File("new")));
}

// A file the user may not write is refused and left as it was, though its
// folder would allow the rename (run as user nobody: root may write anything).
TEST(FileIo, AReadOnlyTargetIsRefusedAndKept) {
    TestFolder folder;
    const std::string path = folder.File("f");
    TestFolder::Write(path, "old");
    ::chmod(path.c_str(), 0444);
    ::chmod(folder.Path().c_str(), 0777);
    const int status = test::RunChild([&] {
        if (!test::BecomeUnprivileged())
            return test::kCannotDropPrivileges;
        std::uint32_t error = 0;
        const bool written = FileIo::WriteAtomically(path, "new", error);
        return !written && error == SystemError::kAccessDenied ? 0 : 1;
    });
    if (status == test::kCannotDropPrivileges)
        GTEST_SKIP() << "no user nobody to drop to";
    EXPECT_EQ(status, 0);
    EXPECT_EQ(TestFolder::Read(path), "old");
}

// Read in one piece of the file's size: the sizes around the old read step
// and a file of several megabytes come back byte for byte.
TEST(FileIo, FilesOfAnySizeReadBackWhole) {
    TestFolder folder;
    for (std::size_t size : {std::size_t{0}, std::size_t{1}, std::size_t{65535}, std::size_t{65536},
                             std::size_t{65537}, std::size_t{5} << 20}) {
        std::string bytes(size, '\0');
        for (std::size_t i = 0; i < size; ++i)
            bytes[i] = static_cast<char>(i * 7 + i / 251);
        const std::string path = folder.File("f" + std::to_string(size));
        std::uint32_t error = 0;
        ASSERT_TRUE(FileIo::WriteAtomically(path, bytes, error));
        std::string read = "old";
        ASSERT_TRUE(FileIo::ReadAll(path, read, error)) << size;
        EXPECT_EQ(read.size(), size);
        EXPECT_TRUE(read == bytes) << size;
    }
}

// A file whose size says nothing (most of /proc) is read to its end.
TEST(FileIo, AFileLongerThanItsSizeSaysIsReadToItsEnd) {
    std::ifstream stream("/proc/self/environ", std::ios::binary);
    const std::string expected((std::istreambuf_iterator<char>(stream)),
                               std::istreambuf_iterator<char>());
    ASSERT_GT(expected.size(), 1u);
    std::string read;
    std::uint32_t error = 0;
    ASSERT_TRUE(FileIo::ReadAll("/proc/self/environ", read, error)) << error;
    EXPECT_TRUE(read == expected) << read.size() << " of " << expected.size();
}

TEST(SystemError, ErrnoValuesMapToTheProgramsNumbers) {
    const std::pair<int, std::uint32_t> cases[] = {
        {0, 0},
        {ENOENT, SystemError::kFileNotFound},
        {ENOTDIR, SystemError::kPathNotFound},
        {EACCES, SystemError::kAccessDenied},
        {EWOULDBLOCK, SystemError::kSharingViolation},
        {ENOSPC, SystemError::kDiskFull},
        {EXDEV, SystemError::kUnmappedBase + EXDEV},
    };
    for (const auto& [errnoValue, code] : cases)
        EXPECT_EQ(SystemError::FromErrno(errnoValue), code) << errnoValue;
    EXPECT_FALSE(SystemError::Describe(ENOENT).empty());
}

}  // namespace
}  // namespace qb
