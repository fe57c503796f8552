#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "CSchedule.h"
#include "CliTestBase.h"
#include "ObjectClipboardStream.h"
#include "ProjectArchive.h"
#include "ProjectBuilder.h"
#include "RowClipboardStream.h"

namespace qb {
namespace {

class ClipboardCommandTest : public CliTestBase {
protected:
    std::string File() const { return Quote(PathOf("plan.qbd")); }
    std::unique_ptr<CProject> Read() const {
        ErrorSlot error;
        return ProjectArchive::ReadProjectArchive(Slurp(PathOf("plan.qbd")), error);
    }
    // Row 0 with schedules 1 (1 to 3 April) and 2 (10 April), linked by 3.
    void MakePlan() {
        ASSERT_EQ(Cli("new " + File()).status, 0);
        ASSERT_EQ(Cli("edit " + File() + " add-row --caption 段").out, "0\n");
        ASSERT_EQ(
            Cli("edit " + File() + " add-schedule --row 0 --start 20260401 --end 20260403").out,
            "1\n");
        ASSERT_EQ(Cli("edit " + File() + " add-schedule --row 0 --start 20260410").out, "2\n");
        auto project = Read();
        ASSERT_NE(project, nullptr);
        test::ProjectBuilder(*project).Link(1, 2);
        Write("plan.qbd", ProjectArchive::WriteProjectArchive(*project));
    }
};

TEST_F(ClipboardCommandTest, CopiedObjectsPasteAtADateWithTheirLink) {
    MakePlan();
    // The link goes along only with both ends.
    ASSERT_EQ(Cli("copy " + File() + " --ids 1,3 " + Quote(PathOf("one.bin"))).status, 0);
    auto one = ObjectClipboardStream::Read(Slurp(PathOf("one.bin")));
    ASSERT_TRUE(one);
    EXPECT_EQ(one->size(), 1u);

    const CliRun copy = Cli("copy " + File() + " --ids 2,1,3 " + Quote(PathOf("objects.bin")));
    ASSERT_EQ(copy.status, 0) << copy.err;
    auto objects = ObjectClipboardStream::Read(Slurp(PathOf("objects.bin")));
    ASSERT_TRUE(objects);
    ASSERT_EQ(objects->size(), 3u);
    // Nine days apart on the chart.
    EXPECT_EQ((*objects)[0].position.x - (*objects)[1].position.x, 90);

    const CliRun paste =
        Cli("edit " + File() + " paste " + Quote(PathOf("objects.bin")) + " --at 20260501");
    ASSERT_EQ(paste.status, 0) << paste.err;
    EXPECT_EQ(paste.out, "4\n5\n6\n");
    auto project = Read();
    ASSERT_NE(project, nullptr);
    const CSchedule* second = project->FindSchedule(4);
    const CSchedule* first = project->FindSchedule(5);
    ASSERT_TRUE(first && second);
    EXPECT_EQ(second->GetStartDate(), COleDateTime(2026, 5, 1, 0, 0, 0));
    EXPECT_EQ(first->GetStartDate(), COleDateTime(2026, 4, 22, 0, 0, 0));
    EXPECT_EQ(first->GetEndDate().DatePart(), COleDateTime(2026, 4, 24, 0, 0, 0));
    EXPECT_EQ(first->GetRowObjectId(), 0);
    const CLink* link = project->FindLink(6);
    ASSERT_NE(link, nullptr);
    EXPECT_EQ(link->GetFromId(), 5);
    EXPECT_EQ(link->GetToId(), 4);
}

TEST_F(ClipboardCommandTest, ARowWithItsContentsPastesAsNewRows) {
    MakePlan();
    const CliRun copy = Cli("copy " + File() + " --row 0 " + Quote(PathOf("row.bin")));
    ASSERT_EQ(copy.status, 0) << copy.err;
    ErrorSlot error;
    ASSERT_NE(RowClipboardStream::Read(Slurp(PathOf("row.bin")), error), nullptr);
    const CliRun paste = Cli("edit " + File() + " paste " + Quote(PathOf("row.bin")) + " --row 0");
    ASSERT_EQ(paste.status, 0) << paste.err;
    auto project = Read();
    ASSERT_NE(project, nullptr);
    EXPECT_EQ(project->GetRows().GetCount(true), 2);
    EXPECT_EQ(project->GetSchedules().GetCount(true), 4);
    EXPECT_EQ(project->GetLinks().GetCount(true), 2);
}

TEST_F(ClipboardCommandTest, RefusalsLeaveTheFileAsItWas) {
    MakePlan();
    const std::string before = Slurp(PathOf("plan.qbd"));
    Write("junk.bin", std::string("\x11\0\0\0CF_QUELLBRANDIREN\x64\0", 23));
    struct Case {
        std::string arguments;
        int status;
    };
    const Case cases[] = {
        {"copy " + File() + " --ids 1,99 " + Quote(PathOf("x.bin")), 1},
        {"copy " + File() + " --row 1 " + Quote(PathOf("x.bin")), 1},
        {"copy " + File() + " --ids 1 --row 0 " + Quote(PathOf("x.bin")), 2},
        {"copy " + File() + " --ids 1,x " + Quote(PathOf("x.bin")), 2},
        {"edit " + File() + " paste " + Quote(PathOf("junk.bin")), 1},
        {"edit " + File() + " paste " + Quote(PathOf("missing.bin")), 1},
        {"edit " + File() + " paste " + Quote(PathOf("junk.bin")) + " --at 2026", 2},
    };
    for (const Case& c : cases) {
        const CliRun run = Cli(c.arguments);
        EXPECT_EQ(run.status, c.status) << c.arguments << "\n" << run.err;
        EXPECT_FALSE(run.err.empty()) << c.arguments;
    }
    EXPECT_EQ(Slurp(PathOf("plan.qbd")), before);
    EXPECT_FALSE(std::filesystem::exists(PathOf("x.bin")));
}

}  // namespace
}  // namespace qb

namespace qb {
namespace {

// A block may name a link before its ends; the link still joins the copies.
TEST_F(ClipboardCommandTest, ALinkAheadOfItsEndsInTheBlockStillJoinsThem) {
    MakePlan();
    auto project = Read();
    ASSERT_NE(project, nullptr);
    const std::string block = ObjectClipboardStream::Write(
        {project->FindLink(3), project->FindSchedule(1), project->FindSchedule(2)},
        {{0, 0}, {0, 0}, {90, 0}});
    Write("ahead.bin", block);
    const CliRun paste = Cli("edit " + File() + " paste " + Quote(PathOf("ahead.bin")));
    ASSERT_EQ(paste.status, 0) << paste.err;
    EXPECT_EQ(paste.out, "4\n5\n6\n");
    project = Read();
    ASSERT_NE(project, nullptr);
    const CLink* link = project->FindLink(6);
    ASSERT_NE(link, nullptr);
    EXPECT_EQ(link->GetFromId(), 4);
    EXPECT_EQ(link->GetToId(), 5);
    EXPECT_EQ(project->FindSchedule(4)->GetStartDate(), COleDateTime(2026, 4, 1, 0, 0, 0));
}

}  // namespace
}  // namespace qb
