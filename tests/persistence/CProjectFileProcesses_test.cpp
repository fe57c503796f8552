// The project file handle between processes: children are forked, do their
// part and leave with _exit and a status the parent checks.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>
#include <random>
#include <set>
#include <thread>
#include <utility>

#include "CProjectFile.h"
#include "CSchedule.h"
#include "ChildProcess.h"
#include "HolderNote.h"
#include "LockedFile.h"
#include "ProjectArchive.h"
#include "ProjectGenerator.h"
#include "SystemError.h"
#include "TestFolder.h"

namespace qb {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;
using test::BecomeUnprivileged;
using test::kCannotDropPrivileges;
using test::RunChild;
using test::StartChild;

// Retries at once, for processes that collide all the time: this keeps them
// colliding in the short span between an open and its lock, too.
OpenRetryPolicy Impatient() {
    OpenRetryPolicy policy;
    policy.attempts = 100000;
    policy.nextWait = [] { return OpenRetryPolicy::Milliseconds(0); };
    policy.sleep = [](OpenRetryPolicy::Milliseconds) { std::this_thread::yield(); };
    return policy;
}

std::unique_ptr<CProject> SmallProject(bool shared) {
    auto project = std::make_unique<CProject>();
    project->SetTitle("shared plan");
    project->SetShared(shared);
    return project;
}

class CProjectFileProcessesTest : public ::testing::Test {
protected:
    // Children that drop to nobody must still reach the file.
    void SetUp() override { fs::permissions(folder_.Path(), fs::perms(0755)); }
    void Store(const CProject& project) {
        CProjectFile file(path_);
        ASSERT_TRUE(file.Save(&project, true)) << file.GetErrorCode();
    }
    int EntryCount() const { return folder_.EntryCount(); }
    // The killed holder's note and the note it was writing.
    int NoteCount() const {
        const std::string note = HolderNote::PathFor(path_);
        return fs::exists(note) + fs::exists(note + ".new");
    }

    TestFolder folder_;
    std::string path_ = folder_.File("plan.qbd");
};

TEST_F(CProjectFileProcessesTest, AnotherProcessHoldingTheFileGivesError32AfterTheRealWaits) {
    Store(*SmallProject(false));
    CProjectFile holder(path_);
    ASSERT_NE(holder.Load(false), nullptr);

    int child = RunChild([&] {
        CProjectFile file(path_);
        const Clock::time_point start = Clock::now();
        if (file.Load(false) != nullptr || file.GetErrorCode() != SystemError::kSharingViolation)
            return 1;
        // Nine pauses of at least 100 ms each.
        return Clock::now() - start >= std::chrono::milliseconds(900) ? 0 : 2;
    });
    EXPECT_EQ(child, 0);

    holder.Lock(nullptr);
    child = RunChild([&] { return CProjectFile(path_).Load(false) != nullptr ? 0 : 1; });
    EXPECT_EQ(child, 0) << "a released file opens at once";
}

OpenRetryPolicy Once() {
    OpenRetryPolicy policy;
    policy.attempts = 1;
    return policy;
}

// A child holding the file, in single mode for as long as it has the
// document open, in shared mode while it edits. It writes a byte to the
// parent once it holds the file and lets go when the parent closes its end.
class Holder {
public:
    Holder(const std::string& path, bool shared) {
        if (::pipe(ready_) != 0 || ::pipe(release_) != 0)
            return;
        pid_ = StartChild([&] {
            ::close(ready_[0]);
            ::close(release_[1]);
            HolderNote::SetUser("山田");
            CProjectFile file(path);
            auto project = SmallProject(shared);
            const bool held = shared ? file.Lock(project.get()) : file.Load(true) != nullptr;
            const char byte = held ? 1 : 0;
            if (::write(ready_[1], &byte, 1) != 1 || !held)
                return 1;
            char ignored;
            return ::read(release_[0], &ignored, 1) == 0 ? 0 : 2;
        });
        ::close(ready_[1]);
        ::close(release_[0]);
    }
    ~Holder() {
        Release();
        ::close(ready_[0]);
    }
    // Whether the child holds the file now.
    bool Holds() {
        char held = 0;
        return ::read(ready_[0], &held, 1) == 1 && held == 1;
    }
    // The child's exit status once it let go.
    int Release() {
        if (release_[1] >= 0)
            ::close(release_[1]);
        release_[1] = -1;
        return pid_ > 0 ? test::WaitForChild(std::exchange(pid_, -1)) : -1;
    }
    void Kill() {
        ::kill(pid_, SIGKILL);
        Release();
    }

private:
    int ready_[2] = {-1, -1};
    int release_[2] = {-1, -1};
    pid_t pid_ = -1;
};

TEST_F(CProjectFileProcessesTest, ARefusalNamesTheUserOfTheProcessThatHoldsTheFile) {
    for (bool shared : {false, true}) {
        Store(*SmallProject(shared));
        Holder holder(path_, shared);
        ASSERT_TRUE(holder.Holds());

        CProjectFile file(path_, Once());
        EXPECT_EQ(file.Load(false), nullptr);
        EXPECT_EQ(file.GetErrorCode(), SystemError::kSharingViolation);
        const std::string& message = file.GetError().GetMessage();
        const std::string named =
            std::string(ErrorSlot::kLockedMessage) + "\n山田 (" + HolderNote::Self().host + ") が ";
        EXPECT_EQ(message.rfind(named, 0), 0u) << shared << message;
        EXPECT_TRUE(message.ends_with(" から使用中")) << message;

        EXPECT_EQ(holder.Release(), 0);
        EXPECT_FALSE(fs::exists(HolderNote::PathFor(path_))) << "the holder took its note away";
    }
}

// A holder killed while it held the file leaves its note behind; the next
// refusal names nobody rather than a process that is gone, and the note goes.
TEST_F(CProjectFileProcessesTest, TheNoteOfAKilledHolderNamesNobody) {
    Store(*SmallProject(false));
    Holder holder(path_, false);
    ASSERT_TRUE(holder.Holds());
    holder.Kill();
    ASSERT_TRUE(fs::exists(HolderNote::PathFor(path_)));

    std::uint32_t code = 0;
    auto silent = LockedFile::Open(path_, LockedFile::Mode::kRead, code);  // writes no note
    ASSERT_NE(silent, nullptr);
    CProjectFile file(path_, Once());
    EXPECT_EQ(file.Load(false), nullptr);
    EXPECT_EQ(file.GetErrorCode(), SystemError::kSharingViolation);
    EXPECT_EQ(file.GetError().GetMessage(), "");
    EXPECT_FALSE(fs::exists(HolderNote::PathFor(path_)));
}

TEST_F(CProjectFileProcessesTest, AFileWithoutWritePermissionOpensReadOnlyAndRefusesToSave) {
    Store(*SmallProject(false));
    ASSERT_EQ(::chmod(path_.c_str(), 0444), 0);
    const std::string before = TestFolder::Read(path_);
    int child = RunChild([&] {
        if (!BecomeUnprivileged())
            return kCannotDropPrivileges;
        CProjectFile file(path_);
        auto project = file.Load(false);
        if (project == nullptr || !file.IsReadOnly())
            return 1;
        project->SetTitle("changed");
        if (file.Save(project.get(), true) || file.GetErrorCode() != ErrorSlot::kOwnError ||
            file.GetErrorMessage() !=
                "ファイルに対する書き込み権限がないか、読み取り専用ファイルのため、失敗しました。")
            return 2;
        if (!file.IsOpen())
            return 3;
        // After a refused save the file stays held, shared or not: the
        // caller decides whether to let it go.
        project->SetShared(true);
        if (file.Save(project.get(), true) || !file.IsOpen())
            return 4;
        return 0;
    });
    if (child == kCannotDropPrivileges)
        GTEST_SKIP() << "no user nobody to drop to";
    EXPECT_EQ(child, 0);
    EXPECT_EQ(TestFolder::Read(path_), before);
}

TEST_F(CProjectFileProcessesTest, AFailedSaveLeavesTheOldFileWhole) {
    Store(*SmallProject(false));
    const std::string before = TestFolder::Read(path_);
    ProjectGenerator::Options options;
    options.schedules = 5000;
    auto big = ProjectGenerator::Generate(options);
    // A file size limit stands in for a full disk.
    int child = RunChild([&] {
        rlimit limit{64 * 1024, 64 * 1024};
        std::signal(SIGXFSZ, SIG_IGN);
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0)
            return 9;
        CProjectFile file(path_);
        if (file.Load(false) == nullptr)
            return 1;
        big->SetShared(false);
        if (file.Save(big.get(), true) || file.GetErrorCode() == 0)
            return 2;
        if (!file.IsOpen() || TestFolder::Read(path_) != before)
            return 3;
        big->SetShared(true);
        if (file.Save(big.get(), true) || !file.IsOpen() || TestFolder::Read(path_) != before)
            return 4;
        return 0;
    });
    EXPECT_EQ(child, 0);
    EXPECT_EQ(EntryCount(), 1);
}

// Each writer runs the shared-mode cycle: lock (reload), change objects found
// again by id, save (and let go). Even cycles add a schedule, odd ones extend
// the caption of the schedule added before, found by its id.
int EditCycles(const std::string& path, int writer, int cycles) {
    CProjectFile file(path, Impatient());
    std::unique_ptr<CProject> project;
    while (!(project = file.Load(false))) {
        if (file.GetErrorCode() != SystemError::kSharingViolation)
            return 1;
    }
    std::int32_t added = -1;
    for (int i = 0; i < cycles; ++i) {
        while (!file.Lock(project.get())) {
            if (file.GetErrorCode() != SystemError::kSharingViolation)
                return 2;
        }
        const std::string mark = "child-" + std::to_string(writer) + "-" + std::to_string(i);
        if (i % 2 == 0) {
            auto schedule = std::make_unique<CSchedule>(project->NewObjectId());
            added = schedule->GetObjectId();
            schedule->SetCaption(mark);
            project->GetSchedules().Add(std::move(schedule));
        } else {
            CSchedule* schedule = project->FindSchedule(added);
            if (schedule == nullptr)
                return 3;
            schedule->SetCaption(schedule->GetCaption() + "+" + mark);
        }
        if (!file.Save(project.get(), false) || file.IsOpen())
            return 4;
    }
    return 0;
}

TEST_F(CProjectFileProcessesTest, EightProcessesEditingASharedFileLoseNoChange) {
    constexpr int kWriters = 8;
    constexpr int kCycles = 100;
    Store(*SmallProject(true));
    std::vector<pid_t> children;
    for (int k = 0; k < kWriters; ++k)
        children.push_back(StartChild([&, k] { return EditCycles(path_, k, kCycles); }));
    for (pid_t pid : children)
        EXPECT_EQ(test::WaitForChild(pid), 0);

    ErrorSlot error;
    auto project = ProjectArchive::ReadProjectArchive(TestFolder::Read(path_), error);
    ASSERT_NE(project, nullptr) << error.GetMessage();
    std::map<std::string, std::int32_t> captions;
    project->GetSchedules().ForEach(
        [&](CSchedule& s) { captions[s.GetCaption()] = s.GetObjectId(); });
    EXPECT_EQ(captions.size(), static_cast<std::size_t>(kWriters * kCycles / 2));
    std::set<std::int32_t> ids;
    for (int k = 0; k < kWriters; ++k) {
        for (int i = 0; i < kCycles; i += 2) {
            const std::string caption = "child-" + std::to_string(k) + "-" + std::to_string(i) +
                                        "+child-" + std::to_string(k) + "-" + std::to_string(i + 1);
            auto found = captions.find(caption);
            ASSERT_NE(found, captions.end()) << caption;
            ids.insert(found->second);
        }
    }
    EXPECT_EQ(ids.size(), captions.size()) << "every schedule has its own id";
    EXPECT_EQ(project->GetLastObjectId(), kWriters * kCycles / 2);
    EXPECT_EQ(EntryCount(), 1);
}

int KillRounds() {
    const char* rounds = std::getenv("QB_KILL_ROUNDS");
    return rounds != nullptr ? std::max(1, std::atoi(rounds)) : 200;
}

// QB_KILL_ROUNDS sets the number of kills for a longer manual run.
TEST_F(CProjectFileProcessesTest, ASaveKilledAtAnyMomentNeverLeavesAFileTheReaderRefuses) {
    ProjectGenerator::Options options;
    options.schedules = 600;
    options.rows = 60;
    options.links = 120;
    options.memos = 12;
    std::vector<std::unique_ptr<CProject>> versions;
    for (unsigned seed : {1u, 2u}) {
        options.seed = seed;
        options.schedules += 200;
        versions.push_back(ProjectGenerator::Generate(options));
        versions.back()->SetShared(true);
    }
    Store(*versions[0]);
    // Kills spread over a save and a half, so they land in every phase of the
    // child's first save and the start of its second.
    const Clock::time_point start = Clock::now();
    Store(*versions[1]);
    const auto saveTime =
        std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - start).count();
    const auto spread = saveTime * 3 / 2 + 1000;

    std::minstd_rand random(2024);
    const int rounds = KillRounds();
    for (int round = 0; round < rounds; ++round) {
        pid_t pid = StartChild([&] {
            for (std::size_t i = 0;; ++i) {
                CProjectFile file(path_, Impatient());
                file.Save(versions[i % versions.size()].get(), true);
            }
            return 0;
        });
        std::this_thread::sleep_for(std::chrono::microseconds(random() % spread));
        ::kill(pid, SIGKILL);
        ::waitpid(pid, nullptr, 0);

        ErrorSlot error;
        ASSERT_NE(ProjectArchive::ReadProjectArchive(TestFolder::Read(path_), error), nullptr)
            << "after kill " << round << ": " << error.GetMessage();
        // The one save cut short may leave its temporary file; the next
        // save clears it. The holder's note is not counted.
        ASSERT_LE(EntryCount() - NoteCount(), 2) << "after kill " << round;
    }
    Store(*versions[0]);
    EXPECT_EQ(EntryCount(), 1);
}

}  // namespace
}  // namespace qb
