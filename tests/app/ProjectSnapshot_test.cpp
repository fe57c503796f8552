#include "ProjectSnapshot.h"

#include <gtest/gtest.h>

#include "CProject.h"
#include "ProjectArchive.h"
#include "ProjectCopy.h"
#include "ProjectGenerator.h"

namespace qb {
namespace {

class ProjectSnapshotTest : public ::testing::Test {
protected:
    ProjectSnapshotTest() {
        ProjectGenerator::Options options;
        options.rows = 300;
        options.schedules = 2000;
        options.links = 100;
        project = ProjectGenerator::Generate(options);
        total += static_cast<std::size_t>(project->GetColumns().GetCount());
    }
    // What the snapshot gives back, as file bytes with the project's own values.
    std::string Restored(const ProjectSnapshot& snapshot) const {
        CProject restored;
        ProjectCopy::CopyProjectValues(*project, restored);
        ProjectCopy::CopyHolidays(*project, restored);
        snapshot.CopyTo(restored);
        return ProjectArchive::WriteProjectArchive(restored);
    }

    std::unique_ptr<CProject> project;
    // The generator's rows, schedules and links, and its columns.
    std::size_t total = 300 + 2000 + 100;
};

TEST_F(ProjectSnapshotTest, RestoresWhatTheContentCopyGives) {
    auto snapshot = ProjectSnapshot::Take(*project);
    EXPECT_EQ(snapshot->ObjectCount(), total);
    EXPECT_EQ(snapshot->SharedCount(), 0u);
    CProject copied;
    ProjectCopy::CopyFull(*project, copied);
    EXPECT_TRUE(Restored(*snapshot) == ProjectArchive::WriteProjectArchive(copied));
}

// The point of sharing: a snapshot after a small change copies only what
// changed, however the arrays moved.
TEST_F(ProjectSnapshotTest, ASnapshotAfterASmallChangeCopiesOnlyTheChangedObjects) {
    auto first = ProjectSnapshot::Take(*project);
    project->GetSchedules().At(1000)->SetCaption("changed");
    auto second = ProjectSnapshot::Take(*project, first.get());
    EXPECT_EQ(second->SharedCount(), total - 1);

    // One schedule removed near the front, one added there: the rest shift.
    project->GetSchedules().DeleteAt(3);
    project->GetSchedules().InsertAt(0, std::make_unique<CSchedule>(990000));
    auto third = ProjectSnapshot::Take(*project, second.get());
    EXPECT_EQ(third->SharedCount(), total - 1);

    // A snapshot of a project restored from another shares all with it.
    const std::string before = Restored(*third);
    CProject restored;
    third->CopyTo(restored);
    auto fourth = ProjectSnapshot::Take(restored, third.get());
    EXPECT_EQ(fourth->SharedCount(), total);
    EXPECT_TRUE(Restored(*fourth) == before);
}

}  // namespace
}  // namespace qb
