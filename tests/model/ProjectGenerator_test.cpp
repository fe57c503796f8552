#include "ProjectGenerator.h"

#include <gtest/gtest.h>

#include <set>

#include "CLink.h"
#include "CMemo.h"
#include "SampleProject.h"

namespace qb {
namespace {

struct Census {
    int rows = 0;
    int maxDepth = 0;
    std::set<std::int32_t> ids;
    bool unique = true;
};

void Note(Census& census, const CData& object) {
    census.unique = census.ids.insert(object.GetObjectId()).second && census.unique;
}

void CountRows(const CRowArray& rows, int depth, Census& census) {
    rows.ForEach([&](const CRow& row) {
        ++census.rows;
        census.maxDepth = std::max(census.maxDepth, depth);
        Note(census, row);
        CountRows(row.GetChildren(), depth + 1, census);
    });
}

Census Take(const CProject& project) {
    Census census;
    CountRows(project.GetRows(), 0, census);
    project.GetSchedules().ForEach([&](const CSchedule& s) { Note(census, s); });
    project.GetLinks().ForEach([&](const CLink& l) { Note(census, l); });
    project.GetDrawParts().ForEach([&](const CDrawPart& m) { Note(census, m); });
    project.GetColumns().ForEach([&](const CColumn& c) { Note(census, c); });
    project.GetHolidays().ForEach([&](const CHoliday& h) { Note(census, h); });
    return census;
}

// Every reference by id names an object of the right kind.
void ExpectReferencesResolve(const CProject& project) {
    project.GetSchedules().ForEach([&](const CSchedule& s) {
        EXPECT_NE(project.FindRow(s.GetRowObjectId()), nullptr) << s.GetObjectId();
    });
    project.GetDrawParts().ForEach([&](const CDrawPart& part) {
        EXPECT_NE(project.FindRow(static_cast<const CMemo&>(part).GetYRowId()), nullptr);
    });
    project.GetLinks().ForEach([&](const CLink& link) {
        for (std::int32_t id : {link.GetFromId(), link.GetToId()}) {
            EXPECT_TRUE(project.FindSchedule(id) || project.FindDrawPart(id)) << id;
        }
    });
}

// Benchmarks and round-trip tests rely on these properties of the projects.
TEST(ProjectGenerator, MakesExactlyTheObjectsAskedForWithUniqueIdsAndNestedRows) {
    ProjectGenerator::Options options;
    options.rows = 300;
    options.schedules = 2000;
    options.links = 400;
    options.memos = 40;
    auto project = ProjectGenerator::Generate(options);
    const Census census = Take(*project);
    EXPECT_EQ(census.rows, 300);
    EXPECT_EQ(project->GetSchedules().GetCount(), 2000);
    EXPECT_EQ(project->GetLinks().GetCount(), 400);
    EXPECT_TRUE(census.unique);
    EXPECT_EQ(census.maxDepth, 4) << "five levels of rows";
    EXPECT_LT(*census.ids.rbegin(), project->GetLastObjectId());
    ExpectReferencesResolve(*project);
    project->GetSchedules().ForEach(
        [&](const CSchedule& s) { EXPECT_LE(s.GetStartDate(), s.GetEndDate()); });
}

TEST(ProjectGenerator, TheSameOptionsGiveTheSameProject) {
    ProjectGenerator::Options options;
    options.rows = 20;
    options.schedules = 100;
    options.seed = 5;
    auto a = ProjectGenerator::Generate(options);
    auto b = ProjectGenerator::Generate(options);
    for (int i = 0; i < 100; ++i) {
        EXPECT_TRUE(a->GetSchedules().At(i)->CollectProperties() ==
                    b->GetSchedules().At(i)->CollectProperties());
    }
}

TEST(ProjectGenerator, EmptyAndNegativeCountsGiveAnEmptyButValidProject) {
    ProjectGenerator::Options options;
    options.rows = -1;
    options.schedules = 0;
    options.links = 3;  // nothing to link: the ends are "none"
    auto project = ProjectGenerator::Generate(options);
    EXPECT_EQ(project->GetRows().GetCount(), 0);
    EXPECT_EQ(project->GetLinks().At(0)->GetFromId(), CData::kNoObject);
}

TEST(SampleProject, IsASmallConsistentPlanWithEveryKindOfObject) {
    auto project = SampleProject::Create();
    const Census census = Take(*project);
    EXPECT_TRUE(census.unique);
    EXPECT_EQ(census.maxDepth, 2);
    EXPECT_EQ(project->GetColumns().GetCount(), 2);
    EXPECT_GE(project->GetHolidays().GetCount(), 3);
    EXPECT_EQ(project->GetLastObjectId(), static_cast<std::int32_t>(census.ids.size()));
    ExpectReferencesResolve(*project);

    std::set<std::pair<int, int>> shapes;
    bool actual = false;
    bool quantities = false;
    project->GetSchedules().ForEach([&](const CSchedule& s) {
        shapes.insert({s.GetScheduleType(), s.GetSubType()});
        actual = actual || s.GetActualEndDate().GetDays() > 1.0;
        quantities = quantities || s.GetPlan() > 0;
    });
    EXPECT_TRUE(shapes.count({0, 1})) << "bars";
    EXPECT_TRUE(shapes.count({0, 0})) << "lines";
    EXPECT_TRUE(shapes.count({1, 5})) << "milestones";
    EXPECT_TRUE(actual);
    EXPECT_TRUE(quantities);
    // The free columns have texts in the rows.
    const std::string cell = "_c" + std::to_string(project->GetColumns().At(0)->GetObjectId());
    EXPECT_EQ(project->GetRows().At(0)->GetParam(cell), "山田");
}

}  // namespace
}  // namespace qb
