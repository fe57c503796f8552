#include "FileIo.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "SystemError.h"

namespace qb {
namespace {

class FileIoTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = std::filesystem::temp_directory_path() /
                  ("qb_fileio_" + std::to_string(::getpid()) + "_" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }
    std::string PathOf(const std::string& name) const { return (folder_ / name).string(); }

    std::filesystem::path folder_;
};

TEST_F(FileIoTest, WriteThenReadGivesTheSameBytes) {
    const std::string bytes("a\0b\r\n\xFF", 6);
    std::uint32_t error = 99;
    ASSERT_TRUE(FileIo::WriteAtomically(PathOf("f"), bytes, error));
    EXPECT_EQ(error, 0u);
    std::string read;
    ASSERT_TRUE(FileIo::ReadAll(PathOf("f"), read, error));
    EXPECT_EQ(read, bytes);
}

TEST_F(FileIoTest, RewritingWithLessLeavesNothingOfTheOldFileAndNoTempFiles) {
    std::uint32_t error = 0;
    ASSERT_TRUE(FileIo::WriteAtomically(PathOf("f"), std::string(10000, 'x'), error));
    ASSERT_TRUE(FileIo::WriteAtomically(PathOf("f"), "short", error));
    std::string read;
    ASSERT_TRUE(FileIo::ReadAll(PathOf("f"), read, error));
    EXPECT_EQ(read, "short");
    int entries = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder_)) {
        ++entries;
    }
    EXPECT_EQ(entries, 1);
}

TEST_F(FileIoTest, RewritingKeepsTheFilesPermissions) {
    std::uint32_t error = 0;
    ASSERT_TRUE(FileIo::WriteAtomically(PathOf("f"), "one", error));
    ASSERT_EQ(::chmod(PathOf("f").c_str(), 0640), 0);
    ASSERT_TRUE(FileIo::WriteAtomically(PathOf("f"), "two", error));
    struct stat info {};
    ASSERT_EQ(::stat(PathOf("f").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
}

TEST_F(FileIoTest, MissingFilesAndFoldersReportTheirErrorNumbers) {
    std::string read = "kept";
    std::uint32_t error = 0;
    EXPECT_FALSE(FileIo::ReadAll(PathOf("absent"), read, error));
    EXPECT_EQ(error, SystemError::kFileNotFound);
    EXPECT_EQ(read, "kept");
    EXPECT_FALSE(FileIo::WriteAtomically(PathOf("no/such/folder/f"), "x", error));
    EXPECT_EQ(error, SystemError::kFileNotFound);
}

TEST_F(FileIoTest, ReadCanCreateAMissingFileEmpty) {
    std::string read = "old";
    std::uint32_t error = 0;
    ASSERT_TRUE(FileIo::ReadAll(PathOf("new"), read, error, true));
    EXPECT_EQ(read, "");
    EXPECT_TRUE(std::filesystem::exists(PathOf("new")));
}

TEST(SystemError, ErrnoValuesMapToTheProgramsNumbers) {
    EXPECT_EQ(SystemError::FromErrno(0), 0u);
    EXPECT_EQ(SystemError::FromErrno(ENOENT), 2u);
    EXPECT_EQ(SystemError::FromErrno(ENOTDIR), 3u);
    EXPECT_EQ(SystemError::FromErrno(EACCES), 5u);
    EXPECT_EQ(SystemError::FromErrno(EWOULDBLOCK), 32u);
    EXPECT_EQ(SystemError::FromErrno(ENOSPC), 112u);
    EXPECT_EQ(SystemError::FromErrno(EXDEV), SystemError::kUnmappedBase + EXDEV);
    EXPECT_FALSE(SystemError::Describe(ENOENT).empty());
}

}  // namespace
}  // namespace qb
