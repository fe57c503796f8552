#include "CRuler.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>
#include <vector>

#include "CProject.h"
#include "CalendarSettings.h"
#include "HolidayCache.h"
#include "RecordingDrawContext.h"

namespace qb {
namespace {

using Op = RecordingDrawContext::Op;
using Band = CRuler::Band;

COleDateTime Date(int year, int month, int day) {
    return COleDateTime(year, month, day, 0, 0, 0);
}

const COleDateTime kMarch1 = Date(2017, 3, 1);  // a Wednesday

// A ruler of 10 pixels per day over March 2017, days below months.
class RulerTest : public ::testing::Test {
protected:
    RulerTest() {
        ruler.SetView(310, kMarch1, Date(2017, 3, 31));
        ruler.SetUnits(Band::upper, kRulerMonth, 0);
        ruler.SetUnits(Band::lower, kRulerDay, 0);
    }

    std::vector<std::string> Labels(Band band) {
        ruler.Rebuild();
        return ruler.GetRow(band).labels;
    }

    CalendarSettings settings;
    CRuler ruler{settings};
};

TEST_F(RulerTest, ViewSpreadsTheWidthOverTheDaysFromOriginToEnd) {
    EXPECT_DOUBLE_EQ(ruler.GetScale(), 10.0);
    EXPECT_EQ(ruler.GetOrigin(), kMarch1);
    EXPECT_EQ(ruler.DateToX(Date(2017, 3, 31)), 300);
    ruler.SetView(100, kMarch1, kMarch1);
    EXPECT_DOUBLE_EQ(ruler.GetScale(), 100.0);
    // An end before the origin counts as the origin's own day.
    ruler.SetView(100, kMarch1, Date(2017, 2, 1));
    EXPECT_DOUBLE_EQ(ruler.GetScale(), 100.0);
    ruler.SetView(0, kMarch1, Date(2017, 3, 31));
    EXPECT_DOUBLE_EQ(ruler.GetScale(), 0.1);
}

TEST_F(RulerTest, DayRowRunsFromTheOriginToTheFirstDayAfterTheEnd) {
    ruler.Rebuild();
    const RulerRow& row = ruler.GetRow(Band::lower);
    // The 310-pixel window moves the end to 2 April (origin + 310 / 10 + 1 days).
    EXPECT_EQ(ruler.GetEnd(), Date(2017, 4, 2));
    ASSERT_EQ(row.CellCount(), 33u);
    EXPECT_EQ(row.labels.front(), "1");
    EXPECT_EQ(row.labels.back(), "2");
    EXPECT_EQ(row.ticks.back(), Date(2017, 4, 3));
    EXPECT_EQ(row.boundaries.front(), 0);
    EXPECT_EQ(row.boundaries.back(), 330);
    EXPECT_EQ(row.boundaries.size(), row.CellCount() + 1);
}

TEST_F(RulerTest, TenDayRowWithTheOriginOnTheTenthStartsOnTheEleventh) {
    ruler.SetView(310, Date(2017, 8, 10), Date(2017, 9, 9));
    ruler.SetUnits(Band::upper, kRulerTenDays, 5);
    ruler.Rebuild();
    const RulerRow& row = ruler.GetRow(Band::upper);
    EXPECT_EQ(row.ticks.front(), Date(2017, 8, 11));
    EXPECT_EQ(row.boundaries.front(), 10);
    EXPECT_EQ(row.labels.front(), "8月中旬");
}

TEST_F(RulerTest, DisplayEndCutsTheLastCellOfBothRows) {
    ruler.SetLimits(COleDateTime(), Date(2017, 3, 20));
    ruler.Rebuild();
    const RulerRow& days = ruler.GetRow(Band::lower);
    EXPECT_EQ(days.CellCount(), 20u);
    EXPECT_EQ(days.boundaries.back(), 200);
    const RulerRow& months = ruler.GetRow(Band::upper);
    ASSERT_EQ(months.CellCount(), 1u);
    EXPECT_EQ(months.boundaries.back(), 200);  // not the 1st of April
}

// A month row starts before a mid-month origin unless the display start cuts it.
TEST_F(RulerTest, DisplayStartMovesTheFirstUpperBoundaryOnly) {
    ruler.SetView(310, Date(2017, 3, 15), Date(2017, 4, 14));
    ruler.Rebuild();
    EXPECT_EQ(ruler.GetRow(Band::upper).boundaries.front(), -140);
    EXPECT_EQ(ruler.GetRow(Band::upper).ticks.front(), kMarch1);
    ruler.SetLimits(Date(2017, 3, 15), COleDateTime());
    ruler.Rebuild();
    EXPECT_EQ(ruler.GetRow(Band::upper).boundaries.front(), 0);
    ruler.SetUnits(Band::lower, kRulerWeek, 0);
    ruler.Rebuild();
    EXPECT_EQ(ruler.GetRow(Band::lower).boundaries.front(), -20);  // Monday 13 March
}

TEST_F(RulerTest, UnitsAndFormatsOutOfRangeFallBack) {
    ruler.SetUnits(Band::upper, 9, 2);
    EXPECT_EQ(ruler.GetUnit(Band::upper), kRulerDay);
    EXPECT_EQ(ruler.GetFormat(Band::upper), 2);
    ruler.SetUnits(Band::lower, kRulerYear, 5);
    EXPECT_EQ(ruler.GetFormat(Band::lower), 0);
}

TEST_F(RulerTest, ChangesClearTheBuiltRows) {
    const std::function<void()> changes[] = {
        [&] { ruler.SetScale(5.0); },
        [&] { ruler.SetLimits(kMarch1, COleDateTime()); },
        [&] { ruler.SetUnits(Band::lower, kRulerDay, 1); },
    };
    for (const auto& change : changes) {
        ruler.Rebuild();
        ASSERT_TRUE(ruler.IsBuilt());
        change();
        EXPECT_FALSE(ruler.IsBuilt());
    }
}

// The ruler reads the one settings object: a change shows once it is rebuilt.
TEST_F(RulerTest, CustomEraSettingReachesTheLabelsAfterInvalidating) {
    ruler.SetView(100, Date(2029, 1, 1), Date(2031, 6, 30));
    ruler.SetUnits(Band::upper, kRulerYear, 3);
    EXPECT_EQ(Labels(Band::upper).back(), "令和13年");
    settings.heisei3Name = "新元号";
    settings.heisei3Abbreviation = "N";
    settings.heisei3Date = Date(2030, 1, 1);
    ruler.Invalidate();
    RecordingDrawContext dc;
    ruler.Paint(dc, Date(2000, 1, 1));
    EXPECT_EQ(ruler.GetRow(Band::upper).labels,
              (std::vector<std::string>{"令和11年", "新元号元年", "新元号2年"}));
}

TEST_F(RulerTest, ProjectSuppliesUnitsLimitsAndFont) {
    CProject project;
    project.SetUpperRulerUnit(2, kRulerYear);
    project.SetLowerRulerUnit(2, kRulerMonth);
    project.SetLowerRulerFormat(2, 1);
    project.SetDisplayStartDate(Date(2017, 3, 5));
    project.SetDefaultFont(CFontInfo("IPAGothic", 9, 0));
    ruler.ApplyProject(project, 2);
    EXPECT_EQ(ruler.GetUnit(Band::upper), kRulerYear);
    EXPECT_EQ(ruler.GetFormat(Band::lower), 1);
    EXPECT_EQ(ruler.GetDisplayStart(), Date(2017, 3, 5));
    RecordingDrawContext dc;
    ruler.Paint(dc, Date(2000, 1, 1));
    EXPECT_EQ(dc.RecordsOf(Op::text).front().state.font.face, "IPAGothic");
}

// ScrollTo: 10 pixels per day in a 1000-pixel window keep 103 days ahead.
class RulerScrollTest : public RulerTest {
protected:
    RulerScrollTest() {
        ruler.SetView(1000, Date(2017, 1, 1), Date(2017, 4, 10));
        ruler.SetCoordinatesChangedHandler([this] { ++changes; });
    }

    int changes = 0;
};

// The day scrolled to, with its offset (per 10000 of a day) at the window's
// left edge, and where the span and the scroll position end up.
TEST_F(RulerScrollTest, TheSpanMovesOnlyAsFarAsTheDayNeeds) {
    struct Case {
        const char* what;
        COleDateTime end;  // before scrolling; the zero date keeps the view's
        COleDateTime day;
        int offset;
        COleDateTime origin;
        COleDateTime newEnd;
        int scroll;
    };
    const COleDateTime kNone;
    const Case cases[] = {
        {"inside the built span", Date(2017, 12, 31), Date(2017, 6, 1), 0, Date(2017, 1, 1),
         Date(2017, 12, 31), 0},
        {"later: the end moves", kNone, Date(2017, 3, 1), 0, Date(2017, 1, 1), Date(2017, 6, 12),
         0},
        {"beyond 32000 pixels: the origin too", kNone, Date(2026, 1, 1), 5000, Date(2026, 1, 1),
         Date(2026, 4, 14), 5},
        {"earlier: the origin, 2.5 rounding away from 0", kNone, Date(2016, 12, 1), 2500,
         Date(2016, 12, 1), Date(2017, 4, 10), 3},
        {"earlier with a far end: the end comes back", Date(2026, 1, 1), Date(2016, 12, 1), 0,
         Date(2016, 12, 1), Date(2017, 3, 14), 0},
        {"later with a far end: the span starts at the day", Date(2026, 1, 1), Date(2017, 3, 1), 0,
         Date(2017, 3, 1), Date(2017, 6, 12), 0},
    };
    for (const Case& c : cases) {
        ruler.SetView(1000, Date(2017, 1, 1), Date(2017, 4, 10));
        if (c.end != kNone)
            ruler.SetEnd(c.end);
        // A built span keeps what it holds; an unbuilt one is built by the scroll.
        if (c.newEnd == c.end)
            ruler.Rebuild();
        changes = 0;
        ruler.ScrollTo(c.day, c.offset);
        EXPECT_EQ(ruler.GetOrigin(), c.origin) << c.what;
        EXPECT_EQ(ruler.GetEnd(), c.newEnd) << c.what;
        EXPECT_EQ(ruler.GetScrollPosition(), c.scroll) << c.what;
        EXPECT_EQ(changes, c.newEnd == c.end ? 0 : 1) << c.what;
        EXPECT_TRUE(ruler.IsBuilt()) << c.what;
    }
}

TEST_F(RulerScrollTest, AnyScrollKeepsTheDayInsideASpanBelow32000Pixels) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> days(-20000, 20000);
    for (int i = 0; i < 300; ++i) {
        const COleDateTime day = Date(2017, 1, 1).AddDays(days(random));
        ruler.ScrollTo(day, 0);
        ASSERT_LE(ruler.GetOrigin(), day);
        ASSERT_GE(ruler.GetEnd(), day);
        ASSERT_LT(ruler.SpanPixels(), CRuler::kMaxSpan);
    }
}

TEST_F(RulerScrollTest, DayAtTheEndOfTheCalendarIsLeftAlone) {
    ruler.ScrollTo(Date(9999, 12, 1), 0);
    ruler.ScrollTo(COleDateTime::Invalid(), 0);
    EXPECT_EQ(changes, 0);
}

// Paint: days below months, 10 pixels per day, a 100-pixel window.
class RulerPaintTest : public RulerTest {
protected:
    RulerPaintTest() : holidays(settings) {
        ruler.SetView(100, kMarch1, Date(2017, 3, 10));
        ruler.SetHolidayCache(&holidays);
        ruler.SetFontFace("IPAGothic");
    }

    void Paint(const COleDateTime& today = Date(2000, 1, 1)) {
        dc.Clear();
        ruler.Paint(dc, today);
    }

    std::vector<RecordingDrawContext::Record> Fills() const {
        auto fills = dc.RecordsOf(Op::fillRect);
        fills.erase(fills.begin());  // the white background
        return fills;
    }

    std::vector<RecordingDrawContext::Record> TextsIn(int top) const {
        std::vector<RecordingDrawContext::Record> texts;
        for (const auto& record : dc.RecordsOf(Op::text)) {
            if (record.rect.top == top) {
                texts.push_back(record);
            }
        }
        return texts;
    }

    HolidayCache holidays;
    RecordingDrawContext dc;
};

// Colours and places of the fills are pinned by the golden pictures.
TEST_F(RulerPaintTest, HolidayAndTodayFillsCanBeSwitchedOff) {
    Paint(Date(2017, 3, 5));
    EXPECT_EQ(Fills().size(), 3u) << "Saturday, Sunday and today";
    settings.paintToday = false;
    Paint(Date(2017, 3, 5));
    EXPECT_EQ(Fills().size(), 2u);
    settings.paintHoliday = false;
    Paint();
    EXPECT_TRUE(Fills().empty());
    Paint(Date(2017, 3, 11));  // just right of the window
    EXPECT_TRUE(Fills().empty());
}

TEST_F(RulerPaintTest, TodayIsAtLeastOnePixelWide) {
    settings.paintHoliday = false;
    ruler.SetScale(0.1);
    Paint(Date(2017, 3, 5));
    const auto fills = Fills();
    ASSERT_EQ(fills.size(), 1u);
    EXPECT_EQ(fills[0].rect, (DrawRect{0, 21, 1, 40}));
}

// Cells left of the window are skipped; one ending on its left edge still
// draws its boundary.
TEST_F(RulerPaintTest, ScrolledCellsLeftOfTheWindowAreSkipped) {
    ruler.SetScrollPosition(55);
    Paint();
    auto lower = TextsIn(20);
    ASSERT_FALSE(lower.empty());
    EXPECT_EQ(lower.front().text, "6");
    EXPECT_EQ(lower.front().rect, (DrawRect{-5, 20, 5, 40}));
    // The window ends at 155: the 16th, from 150, is drawn; the 17th, from 160, is not.
    EXPECT_EQ(lower.back().text, "16");
    EXPECT_EQ(lower.back().rect, (DrawRect{95, 20, 105, 40}));
    ruler.SetScrollPosition(50);
    Paint();
    lower = TextsIn(20);
    EXPECT_EQ(lower.front().rect, (DrawRect{-10, 20, 0, 40}));
    EXPECT_EQ(lower.size(), 11u);
}

}  // namespace
}  // namespace qb
