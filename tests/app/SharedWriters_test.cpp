// Several processes writing one shared file; slow, so a quick run can leave
// them out.
#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <random>
#include <set>
#include <vector>

#include "ChildProcess.h"
#include "EditFixture.h"
#include "LockedFile.h"
#include "ProjectEdits.h"

namespace qb {
namespace {

using test::Instance;

const DateOffset kStart(COleDateTime(2026, 5, 1, 0, 0, 0), 0);
const DateOffset kEnd(COleDateTime(2026, 5, 3, 0, 0, 0), 9999);

class SharedWritersTest : public ::testing::Test {
protected:
    std::string Path() const { return folder.File("plan.qbd"); }

    TestFolder folder;
};

// Each child is a separate program adding its share through the same code.
TEST_F(SharedWritersTest, EightProcessesAddingTogetherLoseNothing) {
    constexpr int kProcesses = 8;
    constexpr int kEach = 200;
    test::WriteProject(Path(), *test::SmallProject(true));
    std::vector<pid_t> children;
    for (int p = 0; p < kProcesses; ++p) {
        children.push_back(test::StartChild([&] {
            Instance me("p" + std::to_string(p));
            me.status.Services().FileRetry() = test::QuickRetry(1000000);
            if (!me.Open(Path()))
                return 2;
            ProjectEdits edits = me.Edits();
            int failures = 0;
            for (int i = 0; i < kEach; ++i) {
                const std::string caption = std::to_string(p) + "/" + std::to_string(i);
                failures += edits.AddSchedule(2, kStart, kEnd, caption).ok ? 0 : 1;
            }
            return failures == 0 ? 0 : 1;
        }));
    }
    for (pid_t pid : children)
        EXPECT_EQ(test::WaitForChild(pid), 0);
    const auto project = test::ReadProject(Path());
    ASSERT_NE(project, nullptr);
    std::set<std::int32_t> ids;
    std::set<std::string> captions;
    project->GetSchedules().ForEach([&](const CSchedule& schedule) {
        ids.insert(schedule.GetObjectId());
        captions.insert(schedule.GetCaption());
    });
    EXPECT_EQ(project->GetSchedules().GetCount(), 2 + kProcesses * kEach);
    EXPECT_EQ(ids.size(), static_cast<std::size_t>(2 + kProcesses * kEach));
    EXPECT_EQ(captions.size(), static_cast<std::size_t>(1 + kProcesses * kEach));
    EXPECT_EQ(project->GetLastObjectId(), 7 + kProcesses * kEach);
}

TEST_F(SharedWritersTest, AWriterKilledAtAnyMomentNeverLeavesAFileReadersRefuse) {
    test::WriteProject(Path(), *test::SmallProject(true));
    std::mt19937 random(20261207);
    for (int round = 0; round < 20; ++round) {
        const pid_t pid = test::StartChild([&] {
            Instance me;
            me.status.Services().FileRetry() = test::QuickRetry(1000000);
            if (me.Open(Path())) {
                ProjectEdits edits = me.Edits();
                for (;;)
                    edits.AddSchedule(2, kStart, kEnd, std::string(200, 'x'));
            }
            return 2;
        });
        ::usleep(std::uniform_int_distribution<useconds_t>(2000, 40000)(random));
        ::kill(pid, SIGKILL);
        ASSERT_EQ(test::WaitForChild(pid), 128 + SIGKILL);

        CProjectFile reader(Path(), test::QuickRetry());
        std::unique_ptr<CProject> project = reader.Load(false);
        ASSERT_NE(project, nullptr) << "round " << round << ": " << reader.GetErrorMessage();
        EXPECT_TRUE(project->IsShared());
    }
    // The next save clears what the killed writers left half-written.
    Instance last;
    ASSERT_TRUE(last.Open(Path()));
    ASSERT_TRUE(last.Edits().AddRow("after").ok);
    const std::string prefix = LockedFile::TempPrefixFor(Path());
    for (const auto& entry : std::filesystem::directory_iterator(folder.Path()))
        EXPECT_FALSE(entry.path().string().starts_with(prefix)) << entry.path();
}

}  // namespace
}  // namespace qb
