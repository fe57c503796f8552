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

TEST(ProjectGenerator, TheSameOptionsGiveTheSameProjectAndNoCountsAValidOne) {
    ProjectGenerator::Options options;
    options.rows = 20;
    options.schedules = 100;
    options.seed = 5;
    auto a = ProjectGenerator::Generate(options);
    auto b = ProjectGenerator::Generate(options);
    for (int i = 0; i < 100; ++i)
        EXPECT_EQ(a->GetSchedules().At(i)->CollectProperties(),
                  b->GetSchedules().At(i)->CollectProperties());
    options.rows = -1;
    options.schedules = 0;
    options.links = 3;  // nothing to link: the ends are "none"
    auto empty = ProjectGenerator::Generate(options);
    EXPECT_EQ(empty->GetRows().GetCount(), 0);
    EXPECT_EQ(empty->GetLinks().At(0)->GetFromId(), CData::kNoObject);
}

// The picture of the sample is pinned by the window's golden images; here it
// only has to be consistent.
TEST(SampleProject, IsASmallConsistentPlanWithEveryKindOfObject) {
    auto project = SampleProject::Create();
    const Census census = Take(*project);
    EXPECT_TRUE(census.unique);
    EXPECT_EQ(census.maxDepth, 2);
    EXPECT_GE(project->GetHolidays().GetCount(), 3);
    EXPECT_EQ(project->GetLastObjectId(), static_cast<std::int32_t>(census.ids.size()));
    ExpectReferencesResolve(*project);
}

}  // namespace
}  // namespace qb
