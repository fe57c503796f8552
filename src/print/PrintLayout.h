#pragma once

#include <utility>
#include <vector>

#include "DrawTypes.h"

namespace qb {

// Where everything goes on the printed pages. Page lengths are tenths of a
// millimetre with y growing downwards from the paper's top-left corner;
// chart lengths are the screen's pixels, which the print scale turns into
// page lengths.
//
// The chart is split by date across and by rows down: pages run left to
// right through the dates of one block of rows, then on to the next block.
// Every page repeats the row header, the column area, the ruler and (when
// shown) the load graph, so that each sheet reads alone. Rows are not cut
// between pages unless one is taller than a page.
class PrintLayout {
public:
    // One screen pixel is a quarter millimetre (about 100 dots per inch),
    // the size the chart is read at on screen...
    static constexpr double kNominalScale = 2.54;
    // ...and a plan may shrink to this before its dates are split over pages,
    // which keeps a 12-pixel font at about 6 points.
    static constexpr double kMinScale = 1.8;
    // Page furniture, tenths of a millimetre.
    static constexpr int kTextHeight = 35;
    static constexpr int kLineHeight = 50;
    static constexpr int kGap = 30;
    static constexpr int kStampWidth = 180;
    static constexpr int kStampHeight = 200;
    static constexpr int kStampLabelHeight = 50;

    enum class Item { kPageNumber, kHeader, kFooter, kOutputDate };
    // Left, centre, right.
    enum Slot { kLeft = 0, kCentre = 1, kRight = 2 };

    struct Input {
        // The paper (for its orientation) and the margins.
        int paperWidth = 2970;
        int paperHeight = 2100;
        int marginLeft = 200;
        int marginTop = 200;
        int marginRight = 200;
        int marginBottom = 200;
        // The chart, in pixels: the fixed panes on the left and over it,
        // the load graph strip under the rows (0: not shown), the days of
        // the range at pixelsPerDay (day d starts at trunc(d * pixelsPerDay),
        // as on the ruler), the rows' total height and the bottom of each
        // visible row in ascending order.
        int headerWidth = 200;
        int columnWidth = 0;
        int rulerHeight = 40;
        int graphHeight = 0;
        int dayCount = 1;
        double pixelsPerDay = 20.0;
        int totalHeight = 0;
        std::vector<int> rowBottoms;
        // The furniture: page number format (0 none) and position 0..5,
        // header and footer present with their slots, output date present,
        // title shown with its size 0..3, the number of stamp areas (0: none).
        int pageFormat = 0;
        int pageAlign = 0;
        bool header = false;
        int headerPos = kLeft;
        bool footer = false;
        int footerPos = kLeft;
        bool outputDate = false;
        bool title = false;
        int titleSize = 0;
        int stampCount = 0;
    };

    struct Line {
        Item item;
        DrawRect rect;
        Slot slot;
    };

    struct Page {
        // Place in the grid of pages.
        int across = 0;
        int down = 0;
        // The days of the range on the page, from 0.
        int firstDay = 0;
        int dayCount = 0;
        // Chart pixels: the dates' left edge and width, the rows' top and height.
        int left = 0;
        int width = 0;
        int top = 0;
        int height = 0;
    };

    explicit PrintLayout(const Input& input);

    double Scale() const { return scale_; }
    int PageCount() const { return static_cast<int>(pages_.size()); }
    int PagesAcross() const { return across_; }
    int PagesDown() const { return down_; }
    const Page& PageAt(int index) const { return pages_.at(static_cast<std::size_t>(index)); }
    const std::vector<Page>& Pages() const { return pages_; }

    // The printable rectangle inside the margins, and the chart's part of it.
    const DrawRect& Printable() const { return printable_; }
    const DrawRect& ChartArea() const { return chartArea_; }
    const DrawRect& TitleRect() const { return title_; }
    // The stamp areas, right-aligned at the top; empty without any.
    const DrawRect& StampRect() const { return stamps_; }
    const std::vector<Line>& Lines() const { return lines_; }
    // Font height of the title, tenths of a millimetre.
    int TitleFontHeight() const;
    // The first page of a 1-based range that is printed, and the last,
    // bounded by the page count; 0 at either end means that end's default.
    // An empty result (last below first) prints nothing.
    std::pair<int, int> PageSpan(int firstPage, int lastPage) const;

private:
    void PlaceFurniture();
    void PlaceLines(std::vector<std::pair<Item, int>> items, bool top, int& edge);
    void ChooseScale();
    void SplitDates();
    void SplitRows(std::vector<std::pair<int, int>>& blocks) const;
    int DayX(int day) const;

    Input in_;
    double scale_ = kNominalScale;
    DrawRect printable_;
    DrawRect chartArea_;
    DrawRect title_;
    DrawRect stamps_;
    std::vector<Line> lines_;
    std::vector<std::pair<int, int>> slices_;
    std::vector<Page> pages_;
    int across_ = 1;
    int down_ = 1;
};

}  // namespace qb
