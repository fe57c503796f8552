#include "PointSnap.h"

#include <gtest/gtest.h>

namespace qb {
namespace {

TEST(PointSnap, AltTurnsBothOffAndShiftBothOn) {
    struct Case {
        bool optionX, optionY, shift, alt, x, y;
    };
    const Case cases[] = {
        {false, false, false, false, false, false}, {true, false, false, false, true, false},
        {false, true, false, false, false, true},   {false, false, true, false, true, true},
        {true, true, false, true, false, false},    {false, false, true, true, false, false},
    };
    for (const Case& c : cases) {
        const PointSnap snap = PointSnap::For(c.optionX, c.optionY, c.shift, c.alt);
        EXPECT_EQ(snap.SnapsX(), c.x) << c.optionX << c.optionY << c.shift << c.alt;
        EXPECT_EQ(snap.SnapsY(), c.y) << c.optionX << c.optionY << c.shift << c.alt;
    }
}

TEST(PointSnap, YGoesToTheRowsMiddleWithinFivePixelsElseToItsCell) {
    const GuiRect row{0, 100, 50, 140};  // middle 120
    const std::pair<int, int> cases[] = {
        {116, 120},
        {124, 120},
        {115, 120},
        {125, 120},  // within reach of the middle
        {114, 115},
        {107, 105},
        {110, 105},
        {111, 115},  // the cells counted from the top
        {126, 125},
        {131, 135},
        {139, 135},
        // The top line belongs to the first cell, not to the row above.
        {100, 105},
    };
    for (const auto& [y, snapped] : cases)
        EXPECT_EQ(PointSnap::RowY(y, row), snapped) << y;
}

TEST(PointSnap, DayBoundaryIsTheNextDayPastHalfTheDay) {
    const COleDateTime day(2024, 3, 5, 0, 0, 0);
    EXPECT_EQ(PointSnap::Boundary(DateOffset(day, 5000)), DateOffset(day, 0));
    EXPECT_EQ(PointSnap::Boundary(DateOffset(day, 5001)), DateOffset(day.AddDays(1), 0));
    EXPECT_EQ(PointSnap::Boundary(DateOffset(day, 9999)), DateOffset(day.AddDays(1), 0));
}

}  // namespace
}  // namespace qb
