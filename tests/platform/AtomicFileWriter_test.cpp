#include "AtomicFileWriter.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <filesystem>

#include "ChildProcess.h"
#include "FileOperationsSpy.h"
#include "SystemError.h"
#include "TestFolder.h"

namespace qb {
namespace {

namespace fs = std::filesystem;

class AtomicFileWriterTest : public ::testing::Test {
protected:
    void SetUp() override { TestFolder::Write(path_, "old content"); }

    TestFolder folder_;
    const std::string path_ = folder_.File("export.xml");
    test::FileOperationsSpy files_;
};

// Pieces written so far stay out of sight until the commit.
TEST_F(AtomicFileWriterTest, TheTargetChangesOnlyAtTheCommit) {
    ::chmod(path_.c_str(), 0640);
    AtomicFileWriter file(path_, files_);
    ASSERT_TRUE(file.Open());
    ASSERT_TRUE(file.Write("new "));
    ASSERT_TRUE(file.Write("content"));
    EXPECT_EQ(TestFolder::Read(path_), "old content");
    EXPECT_EQ(folder_.EntryCount(), 2);
    ASSERT_TRUE(file.Commit());
    EXPECT_EQ(TestFolder::Read(path_), "new content");
    EXPECT_EQ(folder_.EntryCount(), 1);
    EXPECT_EQ(files_.SaveTrace(), "write write sync rename");
    struct stat info {};
    ::stat(path_.c_str(), &info);
    EXPECT_EQ(info.st_mode & 07777, 0640u) << "the target keeps its permissions";

    const std::string fresh = folder_.File("fresh.xml");
    const mode_t mask = ::umask(027);
    AtomicFileWriter created(fresh);
    const bool made = created.Open() && created.Write("x") && created.Commit();
    ::umask(mask);
    ASSERT_TRUE(made);
    ::stat(fresh.c_str(), &info);
    EXPECT_EQ(info.st_mode & 07777, 0640u) << "a new file gets 0666 less the umask";
}

// A full disk half way, a failed flush or rename, or giving up: the target
// stays as it was and no temporary file is left beside it.
TEST_F(AtomicFileWriterTest, AnyFailureLeavesTheTargetAndNoTemporaryFile) {
    struct Case {
        const char* call;
        std::vector<int> errnos;
        std::uint32_t code;
    };
    const Case cases[] = {
        {"write", {ENOSPC}, SystemError::kDiskFull},
        {"write", {test::FileOperationsSpy::kHalf, EIO}, SystemError::kIoError},
        {"sync", {EIO}, SystemError::kIoError},
        {"rename", {EACCES}, SystemError::kAccessDenied},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.call);
        test::FileOperationsSpy files;
        files.Fail(c.call, c.errnos);
        AtomicFileWriter file(path_, files);
        ASSERT_TRUE(file.Open());
        const bool written = file.Write("new ") && file.Write("content");
        EXPECT_FALSE(written && file.Commit());
        EXPECT_EQ(file.GetError(), c.code);
        EXPECT_FALSE(file.Write("more")) << "nothing is written after a failure";
        EXPECT_EQ(TestFolder::Read(path_), "old content");
        EXPECT_EQ(folder_.EntryCount(), 1);
    }
    {
        AtomicFileWriter abandoned(path_);
        ASSERT_TRUE(abandoned.Open());
        ASSERT_TRUE(abandoned.Write("partial"));
    }
    EXPECT_EQ(TestFolder::Read(path_), "old content");
    EXPECT_EQ(folder_.EntryCount(), 1);
}

TEST_F(AtomicFileWriterTest, OpenIsRefusedInAMissingFolderAndForAReadOnlyTarget) {
    AtomicFileWriter missing(folder_.File("missing/export.xml"));
    EXPECT_FALSE(missing.Open());
    EXPECT_EQ(missing.GetError(), SystemError::kFileNotFound);

    // The folder lets anyone create and rename files: only the target's own
    // permission can refuse the write.
    fs::permissions(folder_.Path(), fs::perms::all);
    ::chmod(path_.c_str(), 0444);
    const int child = test::RunChild([&] {
        if (!test::BecomeUnprivileged())
            return test::kCannotDropPrivileges;
        AtomicFileWriter file(path_);
        return !file.Open() && file.GetError() == SystemError::kAccessDenied ? 0 : 1;
    });
    if (child == test::kCannotDropPrivileges)
        GTEST_SKIP() << "no user nobody to drop to";
    EXPECT_EQ(child, 0);
    EXPECT_EQ(TestFolder::Read(path_), "old content");
    EXPECT_EQ(folder_.EntryCount(), 1);
}

}  // namespace
}  // namespace qb
