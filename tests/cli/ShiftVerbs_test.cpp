#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "CliTestBase.h"
#include "ProjectArchive.h"
#include "ProjectBuilder.h"

namespace qb {
namespace {

using test::Date;

// Row 0; bars 1 → 2 → 3 linked by 4 and 5, bar 6 with actuals and progress;
// memo 7.
class ShiftVerbsTest : public CliTestBase {
protected:
    ShiftVerbsTest() {
        CProject project;
        test::ProjectBuilder build(project);
        build.Row("段");
        for (int i = 0; i < 3; ++i)
            build.Schedule(0, Date(2026, 4, 1), Date(2026, 4, 10));
        build.Link(1, 2);
        build.Link(2, 3);
        CSchedule& bar = build.Schedule(0, Date(2026, 4, 1), Date(2026, 4, 10));
        bar.SetActualStartDate(Date(2026, 4, 2));
        bar.SetProgressRate(50);
        build.Memo(0, Date(2026, 4, 3));
        Write("plan.qbd", ProjectArchive::WriteProjectArchive(project));
    }

    CliRun Edit(const std::string& arguments) {
        return Cli("edit " + Quote(PathOf("plan.qbd")) + " " + arguments);
    }
    std::unique_ptr<CProject> Read() const {
        ErrorSlot error;
        return ProjectArchive::ReadProjectArchive(Slurp(PathOf("plan.qbd")), error);
    }
    int StartDay(std::int32_t id) const {
        const auto project = Read();
        const COleDateTime start = project->FindSchedule(id)->GetStartDate();
        return static_cast<int>(start.GetDays() - Date(2026, 4, 1).GetDays()) + 1;
    }
};

TEST_F(ShiftVerbsTest, ShiftByDaysOrToADateWithTheTreatmentOfActuals) {
    const CliRun shifted = Edit("shift --ids 6,7 --days -3 --actuals 4");
    ASSERT_EQ(shifted.status, 0) << shifted.err;
    EXPECT_EQ(shifted.out, "");
    auto project = Read();
    const CSchedule& bar = *project->FindSchedule(6);
    EXPECT_EQ(bar.GetStartDate(), Date(2026, 3, 29));
    EXPECT_EQ(bar.GetEndDate(), Date(2026, 4, 7));
    EXPECT_TRUE(bar.GetActualStartDate().IsNull());
    EXPECT_EQ(bar.GetProgressRate(), -1);
    EXPECT_EQ(static_cast<const CMemo*>(project->FindDrawPart(7))->GetXDate(), Date(2026, 3, 31));
    // Linked objects are not asked about here.
    ASSERT_EQ(Edit("shift --ids 1 --to-date 20260501").status, 0);
    EXPECT_EQ(StartDay(1), 31);
    EXPECT_EQ(StartDay(2), 1);
}

TEST_F(ShiftVerbsTest, MoveTakesTheLinkedObjectsAsChosen) {
    struct Case {
        int choice;
        int days;
        int first, second, third;
    };
    // Starts of 1, 2 and 3 after moving 2, cumulative.
    const Case cases[] = {{3, 2, 1, 3, 1}, {2, 1, 1, 4, 2}, {1, -1, 0, 3, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.choice);
        const CliRun moved = Edit("move 2 --days " + std::to_string(c.days) + " --linked " +
                                  std::to_string(c.choice));
        ASSERT_EQ(moved.status, 0) << moved.err;
        EXPECT_EQ(StartDay(1), c.first);
        EXPECT_EQ(StartDay(2), c.second);
        EXPECT_EQ(StartDay(3), c.third);
    }
}

TEST_F(ShiftVerbsTest, BadArgumentsAndRefusalsLeaveTheFileAlone) {
    const std::string before = Slurp(PathOf("plan.qbd"));
    struct Case {
        const char* arguments;
        int status;
    };
    const Case cases[] = {
        {"shift --ids 1", 2},
        {"shift --ids 1 --days 2 --to-date 20260501", 2},
        {"shift --ids 1, --days 2", 2},
        {"shift --ids 1 --days 2x", 2},
        {"shift --ids 1 --days 2 --actuals 5", 2},
        {"shift --ids 1 --to-date 2026051", 2},
        {"shift --ids 1 --days 3615898", 1},
        {"shift --ids 1 --days 3000000", 1},
        {"shift --ids 0 --days 1", 1},
        {"shift --ids 4 --days 1", 1},
        {"shift --ids 99 --days 1", 1},
        {"move 2 --days 1", 2},
        {"move 2 --days 1 --linked 4", 2},
        {"move 7 --days 1 --linked 1", 1},
        {"move 2 --days -3615898 --linked 1", 1},
    };
    for (const Case& c : cases) {
        const CliRun run = Edit(c.arguments);
        EXPECT_EQ(run.status, c.status) << c.arguments;
        EXPECT_FALSE(run.err.empty()) << c.arguments;
    }
    EXPECT_EQ(Slurp(PathOf("plan.qbd")), before);
}

}  // namespace
}  // namespace qb
