// Several processes writing one shared file; slow, so a quick run can leave
// them out.
#include <gtest/gtest.h>
#include <unistd.h>

#include <set>
#include <vector>

#include "ChildProcess.h"
#include "EditFixture.h"
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

}  // namespace
}  // namespace qb
