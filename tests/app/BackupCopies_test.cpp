#include "BackupCopies.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "AppMessages.h"
#include "RecordingShell.h"
#include "ScriptedPrompt.h"
#include "TestFolder.h"
#include "Unprivileged.h"
#include "WarningIcon.h"
#include "WorkingFolders.h"

namespace qb {
namespace {

namespace fs = std::filesystem;

class BackupCopiesTest : public ::testing::Test {
protected:
    BackupCopiesTest() { environment_.dataHome = temp_.File("data"); }

    std::string Project(const std::string& name, const std::string& bytes) {
        const std::string path = temp_.File(name);
        TestFolder::Write(path, bytes);
        return path;
    }
    void PutInBackup(const std::string& name, const std::string& bytes) {
        ASSERT_TRUE(WorkingFolders::CreateFoldersFor(folders_.Backup() + name));
        TestFolder::Write(folders_.Backup() + name, bytes);
    }

    TestFolder temp_;
    AppEnvironment environment_;
    WorkingFolders folders_{environment_};
    BackupCopies backups_{folders_};
    ScriptedPrompt prompt_;
    RecordingShell shell_;
};

TEST_F(BackupCopiesTest, OpenedFileIsCopiedAndRemovedOnClose) {
    const std::string path = Project("plan.qbd", "content");
    ASSERT_TRUE(backups_.CopyToBackupFolder(path));
    const std::string copy = folders_.Backup() + "plan.qbd";
    EXPECT_EQ(TestFolder::Read(copy), "content");
    TestFolder::Write(path, "newer");
    ASSERT_TRUE(backups_.CopyToBackupFolder(path));
    EXPECT_EQ(TestFolder::Read(copy), "newer");
    EXPECT_TRUE(backups_.RemoveFromBackupFolder(path));
    EXPECT_FALSE(fs::exists(copy));
    EXPECT_TRUE(fs::exists(path));
}

TEST_F(BackupCopiesTest, NoCopyForEmptyPathOrFilesAlreadyInTheWorkingFolders) {
    EXPECT_FALSE(backups_.CopyToBackupFolder(""));
    PutInBackup("kept.qbd", "backup");
    EXPECT_FALSE(backups_.CopyToBackupFolder(folders_.Backup() + "kept.qbd"));
    EXPECT_FALSE(backups_.RemoveFromBackupFolder(folders_.Backup() + "kept.qbd"));
    EXPECT_TRUE(fs::exists(folders_.Backup() + "kept.qbd"));
    PutInBackup("Temp/recovered.qbd", "old");
    EXPECT_FALSE(backups_.RemoveFromBackupFolder(folders_.Recovery() + "recovered.qbd"));
    EXPECT_TRUE(fs::exists(folders_.Recovery() + "recovered.qbd"));

    AppEnvironment noData;
    noData.dataHome = "";
    WorkingFolders none(noData);
    BackupCopies nowhere(none);
    EXPECT_FALSE(nowhere.CopyToBackupFolder(Project("plan.qbd", "x")));
    EXPECT_FALSE(nowhere.RunCrashRecovery(prompt_, shell_));
}

TEST_F(BackupCopiesTest, CrashRecoveryMovesCopiesExplainsAndOpensTheFolder) {
    PutInBackup("plan.qbd", "plan");
    PutInBackup("OTHER.QBD", "other");
    PutInBackup("plan.qbd.bk$", "intermediate");
    PutInBackup("notes.txt", "notes");
    // Left over from the last recovery, partly read-only.
    PutInBackup("Temp/old/stale.qbd", "stale");
    fs::permissions(folders_.Recovery() + "old", fs::perms::owner_read | fs::perms::owner_exec,
                    fs::perm_options::replace);

    ASSERT_TRUE(backups_.RunCrashRecovery(prompt_, shell_));
    const std::string recovery = folders_.Recovery();
    EXPECT_EQ(TestFolder::Read(recovery + "plan.qbd"), "plan");
    EXPECT_EQ(TestFolder::Read(recovery + "OTHER.QBD"), "other");
    EXPECT_FALSE(fs::exists(folders_.Backup() + "plan.qbd"));
    EXPECT_FALSE(fs::exists(recovery + "old"));
    EXPECT_TRUE(fs::exists(folders_.Backup() + "plan.qbd.bk$"));
    EXPECT_TRUE(fs::exists(folders_.Backup() + "notes.txt"));
    EXPECT_EQ(TestFolder::Read(recovery + BackupCopies::kReadmeName), BackupCopies::ReadmeText());
    EXPECT_EQ(TestFolder::Read(recovery + BackupCopies::kIconName), WarningIcon::FileBytes());

    ASSERT_EQ(prompt_.Shown().size(), 1u);
    EXPECT_EQ(prompt_.Shown()[0].id, messages::kBackupFound.id);
    EXPECT_EQ(shell_.Opened(), std::vector<std::string>{recovery});
}

TEST_F(BackupCopiesTest, NoCopiesMeansNoDialogButTheOldRecoveryFolderGoes) {
    PutInBackup("Temp/last.qbd", "from last time");
    EXPECT_FALSE(backups_.RunCrashRecovery(prompt_, shell_));
    EXPECT_FALSE(fs::exists(folders_.Recovery()));
    EXPECT_TRUE(prompt_.Shown().empty());
    EXPECT_TRUE(shell_.Opened().empty());
    // No backup folder at all is just as quiet.
    fs::remove_all(folders_.Backup());
    EXPECT_FALSE(backups_.RunCrashRecovery(prompt_, shell_));
}

TEST_F(BackupCopiesTest, LinkInPlaceOfTheRecoveryFolderIsRemovedNotFollowed) {
    PutInBackup("plan.qbd", "plan");
    const std::string outside = temp_.File("outside");
    fs::create_directory(outside);
    TestFolder::Write(outside + "/keep.txt", "mine");
    fs::create_directory_symlink(outside, folders_.Backup() + "Temp");
    ASSERT_TRUE(backups_.RunCrashRecovery(prompt_, shell_));
    EXPECT_EQ(TestFolder::Read(outside + "/keep.txt"), "mine");
    EXPECT_FALSE(fs::is_symlink(folders_.Backup() + "Temp"));
    EXPECT_TRUE(fs::exists(folders_.Recovery() + "plan.qbd"));
}

TEST_F(BackupCopiesTest, ReadOnlyLeftoversDoNotStopAnOrdinaryUser) {
    const std::string path = Project("plan.qbd", "newer");
    PutInBackup("plan.qbd", "older");
    PutInBackup("Temp/old/stale.qbd", "stale");
    const auto readOnly = fs::perms::owner_read | fs::perms::owner_exec;
    fs::permissions(folders_.Backup() + "plan.qbd", fs::perms::owner_read,
                    fs::perm_options::replace);
    fs::permissions(folders_.Recovery() + "old", readOnly, fs::perm_options::replace);
    const std::string copy = folders_.Backup() + "plan.qbd";

    EXPECT_TRUE(RunUnprivileged(temp_.Path(), [&] {
        ScriptedPrompt prompt;
        RecordingShell shell;
        const bool replaced =
            backups_.CopyToBackupFolder(path) && TestFolder::Read(copy) == "newer";
        fs::permissions(copy, fs::perms::owner_read, fs::perm_options::replace);
        const bool removed = backups_.RemoveFromBackupFolder(path) && !fs::exists(copy);
        backups_.CopyToBackupFolder(path);
        const bool recovered = backups_.RunCrashRecovery(prompt, shell) &&
                               !fs::exists(folders_.Recovery() + "old") &&
                               fs::exists(folders_.Recovery() + "plan.qbd");
        return replaced && removed && recovered;
    }));
}

TEST(WarningIconTest, IsOneThirtyTwoBitIconImage) {
    const std::string bytes = WarningIcon::FileBytes();
    ASSERT_GE(bytes.size(), 22u);
    EXPECT_EQ(bytes.substr(0, 6), std::string("\0\0\1\0\1\0", 6));
    EXPECT_EQ(static_cast<unsigned char>(bytes[6]), WarningIcon::kSize);
    const auto size = static_cast<unsigned char>(bytes[14]) | static_cast<unsigned char>(bytes[15])
                                                                  << 8;
    const auto offset = static_cast<unsigned char>(bytes[18]);
    EXPECT_EQ(bytes.size(), static_cast<std::size_t>(offset + size));
}

}  // namespace
}  // namespace qb
