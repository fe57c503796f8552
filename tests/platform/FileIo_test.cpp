#include "FileIo.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

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
