#include "CProjectFile.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <fstream>

#include "CSchedule.h"
#include "FileOperationsSpy.h"
#include "ProjectArchive.h"
#include "SystemError.h"
#include "TestFolder.h"

namespace qb {
namespace {

namespace fs = std::filesystem;

std::unique_ptr<CProject> MakeProject(const std::string& title, bool shared) {
    auto project = std::make_unique<CProject>();
    project->SetTitle(title);
    project->SetShared(shared);
    auto schedule = std::make_unique<CSchedule>(project->NewObjectId());
    schedule->SetCaption("first");
    project->GetSchedules().Add(std::move(schedule));
    return project;
}

// Counts the pauses instead of sleeping, so the retries cost no time.
struct CountedWaits {
    int count = 0;
    OpenRetryPolicy Policy() {
        OpenRetryPolicy policy;
        policy.sleep = [this](OpenRetryPolicy::Milliseconds wait) {
            ++count;
            EXPECT_GE(wait.count(), 100);
            EXPECT_LE(wait.count(), 500);
        };
        return policy;
    }
};

class CProjectFileTest : public ::testing::Test {
protected:
    std::string PathOf(const std::string& name) const { return folder_.File(name); }

    // Writes project to name through a handle that lets go at once.
    void Store(const std::string& name, const CProject& project) {
        CProjectFile file(PathOf(name));
        ASSERT_TRUE(file.Save(&project, true)) << file.GetErrorCode();
    }
    std::unique_ptr<CProject> ReadBack(const std::string& name) {
        ErrorSlot error;
        return ProjectArchive::ReadProjectArchive(TestFolder::Read(PathOf(name)), error);
    }
    // Whether another handle could take the file right now.
    bool IsFree(const std::string& name) {
        std::uint32_t error = 0;
        return LockedFile::Open(PathOf(name), LockedFile::Mode::kReadOnly, error) != nullptr;
    }

    TestFolder folder_;
};

TEST_F(CProjectFileTest, ASavedProjectLoadsBackWithItsContent) {
    auto project = MakeProject("工程表", false);
    CProjectFile file(PathOf("p.qbd"));
    test::FileOperationsSpy files;
    file.SetFileOperations(files);
    ASSERT_TRUE(file.Save(project.get(), true));
    EXPECT_EQ(file.GetErrorCode(), 0u);
    EXPECT_EQ(files.SaveTrace(), "write sync rename") << "flushed before it takes the name";

    CProjectFile reader(PathOf("p.qbd"));
    file.Lock(nullptr);
    auto loaded = reader.Load(false);
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(loaded->GetTitle(), "工程表");
    ASSERT_EQ(loaded->GetSchedules().GetCount(), 1);
    EXPECT_EQ(loaded->GetSchedules().At(0)->GetCaption(), "first");
}

TEST_F(CProjectFileTest, MissingArgumentsAndAMissingFileAreReported) {
    CProjectFile file(PathOf("p.qbd"));
    EXPECT_TRUE(file.Save(MakeProject("p", false).get(), false));
    EXPECT_FALSE(fs::exists(PathOf("p.qbd"))) << "a single-mode save without force writes nothing";
    EXPECT_FALSE(file.Save(nullptr, true));
    EXPECT_EQ(file.GetErrorCode(), ErrorSlot::kOwnError);
    EXPECT_EQ(file.GetErrorMessage(), "書き込むべきCProjectデータが引数に設定されていません。");

    CProjectFile unnamed;
    CProject project;
    EXPECT_EQ(unnamed.Load(true), nullptr);
    EXPECT_EQ(unnamed.GetErrorCode(), ErrorSlot::kOwnError);
    EXPECT_EQ(unnamed.GetErrorMessage(), "ファイルパスが指定されていません。");
    EXPECT_FALSE(unnamed.ReadInto(project));
    EXPECT_EQ(unnamed.GetErrorMessage(), "ファイルパスが指定されていません。");
    // A document never saved has nothing to lock or write.
    EXPECT_TRUE(unnamed.Lock(&project));
    EXPECT_TRUE(unnamed.Save(&project, true));
    EXPECT_EQ(unnamed.GetErrorCode(), 0u);
    EXPECT_FALSE(unnamed.IsOpen());

    // A missing file fails at once, without retries, and is not created.
    CountedWaits waits;
    CProjectFile missing(PathOf("missing.qbd"), waits.Policy());
    EXPECT_EQ(missing.Load(false), nullptr);
    EXPECT_EQ(missing.GetErrorCode(), SystemError::kFileNotFound);
    EXPECT_EQ(waits.count, 0);
    EXPECT_FALSE(missing.Lock(&project));
    EXPECT_EQ(missing.GetErrorCode(), SystemError::kFileNotFound);
    EXPECT_FALSE(fs::exists(PathOf("missing.qbd")));
    // The next operation clears the error of the last one.
    EXPECT_TRUE(missing.Save(MakeProject("p", false).get(), false));
    EXPECT_EQ(missing.GetErrorCode(), 0u);
    EXPECT_EQ(missing.GetErrorMessage(), "");
}

TEST_F(CProjectFileTest, AHeldFileIsRefusedWithError32AfterTenAttempts) {
    Store("p.qbd", *MakeProject("p", false));
    CProjectFile holder(PathOf("p.qbd"));
    ASSERT_NE(holder.Load(false), nullptr);
    ASSERT_TRUE(holder.IsOpen());

    CountedWaits waits;
    CProjectFile other(PathOf("p.qbd"), waits.Policy());
    test::FileOperationsSpy files;
    other.SetFileOperations(files);
    EXPECT_EQ(other.Load(false), nullptr);
    EXPECT_EQ(other.GetErrorCode(), SystemError::kSharingViolation);
    EXPECT_TRUE(other.GetErrorMessage().ends_with(" から使用中")) << "the holder is named";
    EXPECT_EQ(std::count(files.log.begin(), files.log.end(), "lock"), 10) << "ten attempts";
    EXPECT_EQ(waits.count, 9) << "with a pause between each two";
    EXPECT_FALSE(other.IsOpen());

    // A save onto the held file fails and leaves its content as it was.
    EXPECT_FALSE(other.Save(MakeProject("other", true).get(), true));
    EXPECT_EQ(other.GetErrorCode(), SystemError::kSharingViolation);
    EXPECT_EQ(ReadBack("p.qbd")->GetTitle(), "p");

    holder.Lock(nullptr);
    EXPECT_FALSE(holder.IsOpen());
    EXPECT_NE(other.Load(false), nullptr);
}

// A single-mode file is held from load until released, an explicit save
// keeping it; a shared one only for one read or write, unless asked to keep it.
TEST_F(CProjectFileTest, ASingleModeFileStaysHeldAndASharedOneOnlyForOneReadOrWrite) {
    Store("single.qbd", *MakeProject("p", false));
    CProjectFile single(PathOf("single.qbd"));
    auto project = single.Load(false);
    ASSERT_NE(project, nullptr);
    EXPECT_FALSE(IsFree("single.qbd"));
    project->SetTitle("changed");
    EXPECT_TRUE(single.Lock(project.get()));
    EXPECT_EQ(project->GetTitle(), "changed") << "locking a held file reads nothing";
    ASSERT_TRUE(single.Save(project.get(), true));
    EXPECT_FALSE(IsFree("single.qbd"));
    EXPECT_EQ(ReadBack("single.qbd")->GetTitle(), "changed");
    ASSERT_TRUE(single.Lock(nullptr));
    EXPECT_TRUE(IsFree("single.qbd"));

    Store("shared.qbd", *MakeProject("p", true));
    CProjectFile shared(PathOf("shared.qbd"));
    project = shared.Load(false);
    ASSERT_NE(project, nullptr);
    EXPECT_TRUE(IsFree("shared.qbd"));
    ASSERT_TRUE(shared.Lock(project.get()));
    EXPECT_FALSE(IsFree("shared.qbd"));
    ASSERT_TRUE(shared.Save(project.get(), true));
    EXPECT_TRUE(IsFree("shared.qbd"));
    ASSERT_NE(shared.Load(true), nullptr);
    EXPECT_FALSE(IsFree("shared.qbd")) << "keepOpen holds even a shared file";
}

TEST_F(CProjectFileTest, LockingOrReadingASharedProjectReloadsWhatOthersSaved) {
    Store("p.qbd", *MakeProject("p", true));
    CProjectFile mine(PathOf("p.qbd"));
    auto project = mine.Load(false);
    ASSERT_NE(project, nullptr);
    project->SetTitle("unsaved change of mine");

    CProjectFile theirs(PathOf("p.qbd"));
    auto their = theirs.Load(false);
    ASSERT_NE(their, nullptr);
    ASSERT_TRUE(theirs.Lock(their.get()));
    auto added = std::make_unique<CSchedule>(their->NewObjectId());
    const std::int32_t addedId = added->GetObjectId();
    added->SetCaption("theirs");
    their->GetSchedules().Add(std::move(added));
    ASSERT_TRUE(theirs.Save(their.get(), false));

    ASSERT_TRUE(mine.Lock(project.get()));
    EXPECT_EQ(project->GetTitle(), "p") << "the file's content replaces memory";
    ASSERT_NE(project->FindSchedule(addedId), nullptr);
    EXPECT_EQ(project->FindSchedule(addedId)->GetCaption(), "theirs");
    EXPECT_EQ(project->GetLastObjectId(), their->GetLastObjectId());

    // Reading into a project replaces it too, and keeps the file.
    ASSERT_TRUE(mine.Lock(nullptr));
    CProjectFile reader(PathOf("p.qbd"));
    CProject other;
    other.GetSchedules().Add(std::make_unique<CSchedule>(77));
    ASSERT_TRUE(reader.ReadInto(other));
    EXPECT_EQ(other.FindSchedule(77), nullptr);
    EXPECT_NE(other.FindSchedule(addedId), nullptr);
    EXPECT_TRUE(reader.IsOpen());
}

TEST_F(CProjectFileTest, ADamagedFileIsRefusedAndLeftFree) {
    Store("p.qbd", *MakeProject("p", false));
    const std::string bytes = TestFolder::Read(PathOf("p.qbd"));
    std::ofstream(PathOf("p.qbd"), std::ios::binary | std::ios::trunc)
        << bytes.substr(0, bytes.size() / 2);

    CProjectFile file(PathOf("p.qbd"));
    EXPECT_EQ(file.Load(false), nullptr);
    EXPECT_EQ(file.GetErrorCode(), ErrorSlot::kOwnError);
    EXPECT_FALSE(file.GetErrorMessage().empty());
    EXPECT_FALSE(file.IsOpen());
    CProject project;
    EXPECT_FALSE(file.Lock(&project));
    EXPECT_FALSE(file.IsOpen()) << "a failed read leaves no stale lock";
    EXPECT_TRUE(IsFree("p.qbd"));
}

// Another path lets the old file go; the save then replaces an existing
// target whole or creates a new one complete, leaving no temporary file.
TEST_F(CProjectFileTest, SaveAsWritesTheWholeDocumentToTheNewPath) {
    Store("target.qbd", *MakeProject("old target", false));
    Store("source.qbd", *MakeProject("source", false));
    CProjectFile file(PathOf("source.qbd"));
    auto project = file.Load(false);
    ASSERT_NE(project, nullptr);
    file.SetPath(PathOf("target.qbd"));
    EXPECT_FALSE(file.IsOpen());
    EXPECT_TRUE(IsFree("source.qbd"));
    ASSERT_TRUE(file.Save(project.get(), true));
    EXPECT_EQ(ReadBack("target.qbd")->GetTitle(), "source");
    EXPECT_EQ(ReadBack("source.qbd")->GetTitle(), "source");
    EXPECT_TRUE(file.IsOpen());
    EXPECT_EQ(file.GetPath(), PathOf("target.qbd"));

    file.SetPath(PathOf("sub/new.qbd"));
    EXPECT_FALSE(file.Save(project.get(), true));
    EXPECT_EQ(file.GetErrorCode(), SystemError::kPathNotFound);
    file.SetPath(PathOf("new.qbd"));
    ASSERT_TRUE(file.Save(project.get(), true));
    EXPECT_EQ(ReadBack("new.qbd")->GetTitle(), "source");
    EXPECT_EQ(folder_.EntryCount(), 4) << "three files and the note beside the one held";
}

}  // namespace
}  // namespace qb

namespace qb {
namespace {

// A shared file is let go right after it is read; what its lock reached
// must still be known afterwards, for the warning and the mode switch.
TEST_F(CProjectFileTest, TheLockScopeOfTheLastHoldOutlivesTheHold) {
    auto shared = MakeProject("p", true);
    Store("shared.qbd", *shared);
    test::FileOperationsSpy files;
    files.fileSystemType = FileLock::kFuseMagic;
    CProjectFile file(PathOf("shared.qbd"));
    EXPECT_TRUE(file.GetLockScope().Protects()) << "nothing known before the first hold";
    file.SetFileOperations(files);
    ASSERT_NE(file.Load(false), nullptr);
    ASSERT_FALSE(file.IsOpen());
    EXPECT_EQ(file.GetLockScope().reach, FileLock::Reach::kThisComputer);
    EXPECT_EQ(file.GetLockScope().fileSystem, "fuse");
}

// A save on a share that removed the old file and then could not put the new
// one in its place, or an in-place write that damaged the file, says where
// the content is or that the file is damaged, never just a system error.
TEST_F(CProjectFileTest, ASaveThatCouldNotBeMadeSafelySaysWhatBecameOfTheFile) {
    auto project = MakeProject("p", false);
    Store("a.qbd", *project);
    test::FileOperationsSpy files;
    CProjectFile file(PathOf("a.qbd"));
    file.SetFileOperations(files);
    ASSERT_NE(file.Load(false), nullptr);

    files.Fail("rename", {EBUSY});
    files.Fail("write",
               {test::FileOperationsSpy::kReal, test::FileOperationsSpy::kHalf, ENOSPC, ENOSPC});
    EXPECT_FALSE(file.Save(project.get(), true));
    EXPECT_EQ(file.GetErrorCode(), ErrorSlot::kOwnError);
    EXPECT_EQ(file.GetError().GetMessage(), CProjectFile::kDamagedMessage);

    files.beforeRename = [](const std::string& target) { ::unlink(target.c_str()); };
    files.Fail("rename", {EACCES, EIO});
    EXPECT_FALSE(file.Save(project.get(), true));
    EXPECT_EQ(file.GetErrorCode(), ErrorSlot::kOwnError);
    const std::string message = file.GetError().GetMessage();
    ASSERT_TRUE(message.starts_with(CProjectFile::kRescuedMessage));
    const std::string copy = message.substr(std::string(CProjectFile::kRescuedMessage).size());
    ErrorSlot error;
    EXPECT_NE(ProjectArchive::ReadProjectArchive(TestFolder::Read(copy), error), nullptr);

    files.beforeRename = nullptr;
    ASSERT_TRUE(file.Save(project.get(), true));
    EXPECT_NE(ReadBack("a.qbd"), nullptr);
    EXPECT_FALSE(fs::exists(copy));
}

}  // namespace
}  // namespace qb
