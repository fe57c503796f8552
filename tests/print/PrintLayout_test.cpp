#include "PrintLayout.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace qb {
namespace {

using Item = PrintLayout::Item;

// A4 landscape, 20 mm margins, a 200-pixel row header and rows of 40 pixels.
PrintLayout::Input Plain(int days, int rows) {
    PrintLayout::Input in;
    in.paperWidth = 2970;
    in.paperHeight = 2100;
    in.dayCount = days;
    in.pixelsPerDay = 20.0;
    for (int i = 1; i <= rows; ++i)
        in.rowBottoms.push_back(i * 40);
    in.totalHeight = rows * 40;
    return in;
}

const PrintLayout::Line* Find(const PrintLayout& layout, Item item) {
    for (const auto& line : layout.Lines())
        if (line.item == item)
            return &line;
    return nullptr;
}

TEST(PrintLayout, ShortPlanFitsOnePageAtTheScreenSize) {
    const PrintLayout layout(Plain(20, 5));
    EXPECT_EQ(layout.PageCount(), 1);
    EXPECT_DOUBLE_EQ(layout.Scale(), PrintLayout::kNominalScale);
    const auto& page = layout.PageAt(0);
    EXPECT_EQ(page.dayCount, 20);
    EXPECT_EQ(page.width, 400);
    EXPECT_EQ(page.height, 200);
    EXPECT_EQ(layout.ChartArea(), (DrawRect{200, 200, 2770, 1900}));
}

TEST(PrintLayout, SomewhatWiderPlanShrinksBeforeItSplits) {
    // 2570 units hold 1011 pixels at the nominal scale, 1427 at the smallest.
    const PrintLayout layout(Plain(55, 5));
    EXPECT_EQ(layout.PagesAcross(), 1);
    EXPECT_LT(layout.Scale(), PrintLayout::kNominalScale);
    EXPECT_GE(layout.Scale(), PrintLayout::kMinScale);
    EXPECT_LE((200 + 55 * 20) * layout.Scale(), 2570.0);
}

TEST(PrintLayout, LongPlanSplitsByDateThenByRowsAndCoversEverything) {
    PrintLayout::Input in = Plain(365, 300);
    in.pixelsPerDay = 7.5;
    const PrintLayout layout(in);
    ASSERT_GT(layout.PagesAcross(), 1);
    ASSERT_GT(layout.PagesDown(), 1);
    EXPECT_EQ(layout.PageCount(), layout.PagesAcross() * layout.PagesDown());
    const int room = static_cast<int>(layout.ChartArea().Width() / layout.Scale()) - 200;
    int nextDay = 0;
    for (int i = 0; i < layout.PagesAcross(); ++i) {
        const auto& page = layout.PageAt(i);
        EXPECT_EQ(page.across, i);
        EXPECT_EQ(page.down, 0);
        EXPECT_EQ(page.firstDay, nextDay);
        EXPECT_LE(page.width, room);
        EXPECT_EQ(page.left, static_cast<int>(page.firstDay * 7.5));
        nextDay += page.dayCount;
    }
    EXPECT_EQ(nextDay, 365);
    const int rowRoom = static_cast<int>(layout.ChartArea().Height() / layout.Scale()) - 40;
    int nextTop = 0;
    for (int down = 0; down < layout.PagesDown(); ++down) {
        const auto& page = layout.PageAt(down * layout.PagesAcross());
        EXPECT_EQ(page.top, nextTop);
        EXPECT_EQ(page.top % 40, 0) << "a row was cut";
        EXPECT_LE(page.height, rowRoom);
        if (down + 1 < layout.PagesDown()) {
            EXPECT_GT(page.height, rowRoom - 40) << "room for one more row was left";
        }
        nextTop += page.height;
    }
    EXPECT_EQ(nextTop, 300 * 40);
}

TEST(PrintLayout, RowTallerThanThePageIsCutWherePagesEnd) {
    PrintLayout::Input in = Plain(10, 0);
    in.rowBottoms = {40, 5000, 5040};
    in.totalHeight = 5040;
    const PrintLayout layout(in);
    ASSERT_GE(layout.PageCount(), 3);
    // The first row fits whole; the tall one starts a page and runs over.
    EXPECT_EQ(layout.PageAt(0).height, 40);
    const int room = static_cast<int>(layout.ChartArea().Height() / layout.Scale()) - 40;
    EXPECT_EQ(layout.PageAt(1).top, 40);
    EXPECT_EQ(layout.PageAt(1).height, room);
    const auto& last = layout.PageAt(layout.PageCount() - 1);
    EXPECT_EQ(last.top + last.height, 5040);
}

TEST(PrintLayout, PlanWithoutRowsStillPrintsItsRuler) {
    const PrintLayout layout(Plain(10, 0));
    EXPECT_EQ(layout.PageCount(), 1);
    EXPECT_EQ(layout.PageAt(0).height, 0);
}

TEST(PrintLayout, DayWiderThanThePageGetsAPageOfItsOwn) {
    PrintLayout::Input in = Plain(3, 1);
    in.pixelsPerDay = 5000.0;
    const PrintLayout layout(in);
    EXPECT_EQ(layout.PagesAcross(), 3);
    EXPECT_EQ(layout.PageAt(2).firstDay, 2);
    EXPECT_EQ(layout.PageAt(2).dayCount, 1);
}

TEST(PrintLayout, PageRangeIsBoundedByThePageCount) {
    PrintLayout::Input in = Plain(365, 1);
    const PrintLayout layout(in);
    const int count = layout.PageCount();
    ASSERT_GT(count, 2);
    EXPECT_EQ(layout.PageSpan(0, 0), std::make_pair(1, count));
    EXPECT_EQ(layout.PageSpan(2, count + 10), std::make_pair(2, count));
    const auto [first, last] = layout.PageSpan(count + 1, count + 3);
    EXPECT_LT(last, first);
}

TEST(PrintLayout, FurnitureItemsShareLinesOnlyAtDifferentPlaces) {
    PrintLayout::Input in = Plain(10, 1);
    in.pageFormat = 6;
    in.pageAlign = 2;  // top right
    in.header = true;
    in.headerPos = PrintLayout::kLeft;
    in.footer = true;
    in.footerPos = PrintLayout::kRight;
    in.outputDate = true;
    const PrintLayout layout(in);
    const auto* number = Find(layout, Item::kPageNumber);
    const auto* header = Find(layout, Item::kHeader);
    const auto* footer = Find(layout, Item::kFooter);
    const auto* date = Find(layout, Item::kOutputDate);
    ASSERT_TRUE(number && header && footer && date);
    EXPECT_EQ(number->rect, header->rect);
    EXPECT_EQ(number->rect.top, 200);
    // Footer and output date both want the right: two lines above the margin.
    EXPECT_EQ(footer->rect.bottom, 1900);
    EXPECT_EQ(date->rect.bottom, footer->rect.top);
    EXPECT_GE(layout.ChartArea().top, header->rect.bottom);
    EXPECT_LE(layout.ChartArea().bottom, date->rect.top);
}

TEST(PrintLayout, StampAreasSitTopRightBesideTheTitle) {
    PrintLayout::Input in = Plain(10, 1);
    in.title = true;
    in.titleSize = 3;
    in.stampCount = 3;
    in.pageFormat = 1;
    in.pageAlign = 4;  // bottom centre
    const PrintLayout layout(in);
    const DrawRect stamps = layout.StampRect();
    EXPECT_EQ(stamps.right, 2770);
    EXPECT_EQ(stamps.top, 200);
    EXPECT_EQ(stamps.Width(), 3 * PrintLayout::kStampWidth);
    EXPECT_LE(layout.TitleRect().right, stamps.left);
    EXPECT_EQ(layout.TitleFontHeight(), 120);
    EXPECT_GE(layout.ChartArea().top, stamps.bottom);
    EXPECT_EQ(Find(layout, Item::kPageNumber)->slot, PrintLayout::kCentre);
    EXPECT_EQ(Find(layout, Item::kPageNumber)->rect.bottom, 1900);
}

TEST(PrintLayout, MarginsThatEatThePaperFallBackToTheWholeSheet) {
    PrintLayout::Input in = Plain(10, 1);
    in.marginLeft = 1500;
    in.marginRight = 1500;
    const PrintLayout layout(in);
    EXPECT_EQ(layout.Printable(), (DrawRect{0, 0, 2970, 2100}));
    EXPECT_EQ(layout.PageCount(), 1);
}

TEST(PrintLayout, WideRowHeaderOnSmallPaperShrinksInsteadOfLeavingNoRoom) {
    PrintLayout::Input in = Plain(30, 2);
    in.paperWidth = 1000;  // a postcard, portrait
    in.paperHeight = 1480;
    in.headerWidth = 400;
    in.columnWidth = 300;
    const PrintLayout layout(in);
    const int room = static_cast<int>(layout.ChartArea().Width() / layout.Scale()) - 700;
    EXPECT_GT(room, 0);
    for (const auto& page : layout.Pages())
        EXPECT_GE(page.dayCount, 1);
}

}  // namespace
}  // namespace qb
