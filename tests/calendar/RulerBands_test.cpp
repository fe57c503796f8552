#include "RulerBands.h"

#include <gtest/gtest.h>

#include "CProject.h"

namespace qb {
namespace {

// A project that never chose its rulers stores zeros; what it shows differs
// per chart, and writing the bands stores all four values.
TEST(RulerBands, AProjectWithoutRulersShowsMonthsOverDaysOrYearsOverMonths) {
    CProject project;
    EXPECT_EQ(RulerBands::OfProject(project, 1), (RulerBands{kRulerMonth, 0, kRulerDay, 0}));
    EXPECT_EQ(RulerBands::OfProject(project, 2), (RulerBands{kRulerYear, 0, kRulerMonth, 0}));
    EXPECT_EQ(RulerBands::OfProject(project, 3), (RulerBands{kRulerYear, 0, kRulerMonth, 0}));

    const RulerBands chosen{kRulerFiscalYear, 3, kRulerWeek, 7};
    chosen.StoreIn(project, 3);
    EXPECT_EQ(RulerBands::OfProject(project, 3), chosen);
    EXPECT_EQ(RulerBands::OfProject(project, 2), (RulerBands{kRulerYear, 0, kRulerMonth, 0}));
    // Days over days is what a project without rulers stores, whatever formats.
    RulerBands{kRulerDay, 1, kRulerDay, 2}.StoreIn(project, 1);
    EXPECT_EQ(RulerBands::OfProject(project, 1), (RulerBands{kRulerMonth, 0, kRulerDay, 0}));
}

}  // namespace
}  // namespace qb
