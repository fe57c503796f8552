#include "PrintLayout.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace qb {
namespace {

// Title font heights of the sizes small to extra large, tenths of a millimetre.
constexpr std::array<int, 4> kTitleHeights{50, 70, 90, 120};
// The row header and column area may take this share of the page's width,
// the ruler and the load graph this share of its height; a plan with wider
// panes is printed smaller rather than left without room for its dates.
constexpr double kFixedWidthShare = 0.6;
constexpr double kFixedHeightShare = 0.5;
// A page narrower or shorter than this (margins eating the paper) prints on
// the whole paper instead.
constexpr int kMinPrintable = 200;

}  // namespace

PrintLayout::PrintLayout(const Input& input) : in_(input) {
    in_.dayCount = std::max(1, in_.dayCount);
    in_.pixelsPerDay = in_.pixelsPerDay > 0.0 ? in_.pixelsPerDay : 1.0;
    PlaceFurniture();
    ChooseScale();
    SplitDates();
    std::vector<std::pair<int, int>> blocks;
    SplitRows(blocks);
    across_ = static_cast<int>(slices_.size());
    down_ = static_cast<int>(blocks.size());
    for (int row = 0; row < down_; ++row) {
        for (int column = 0; column < across_; ++column) {
            const auto [firstDay, endDay] = slices_[static_cast<std::size_t>(column)];
            const auto [top, bottom] = blocks[static_cast<std::size_t>(row)];
            pages_.push_back(Page{column, row, firstDay, endDay - firstDay, DayX(firstDay),
                                  DayX(endDay) - DayX(firstDay), top, bottom - top});
        }
    }
}

int PrintLayout::TitleFontHeight() const {
    return kTitleHeights[static_cast<std::size_t>(std::clamp(in_.titleSize, 0, 3))];
}

std::pair<int, int> PrintLayout::PageSpan(int firstPage, int lastPage) const {
    const int first = firstPage > 0 ? firstPage : 1;
    const int last = lastPage > 0 ? std::min(lastPage, PageCount()) : PageCount();
    return {first, last};
}

void PrintLayout::PlaceFurniture() {
    printable_ = DrawRect{in_.marginLeft, in_.marginTop, in_.paperWidth - in_.marginRight,
                          in_.paperHeight - in_.marginBottom};
    if (printable_.Width() < kMinPrintable || printable_.Height() < kMinPrintable)
        printable_ = DrawRect{0, 0, in_.paperWidth, in_.paperHeight};
    const bool numbered = in_.pageFormat > 0;
    const int align = std::clamp(in_.pageAlign, 0, 5);
    std::vector<std::pair<Item, int>> top;
    std::vector<std::pair<Item, int>> bottom;
    if (numbered && align < 3)
        top.emplace_back(Item::kPageNumber, align);
    if (in_.header)
        top.emplace_back(Item::kHeader, std::clamp(in_.headerPos, 0, 2));
    if (numbered && align >= 3)
        bottom.emplace_back(Item::kPageNumber, align - 3);
    if (in_.footer)
        bottom.emplace_back(Item::kFooter, std::clamp(in_.footerPos, 0, 2));
    if (in_.outputDate)
        bottom.emplace_back(Item::kOutputDate, kRight);

    int topEdge = printable_.top;
    PlaceLines(std::move(top), true, topEdge);
    int bottomEdge = printable_.bottom;
    PlaceLines(std::move(bottom), false, bottomEdge);

    // The stamp areas sit in the top right corner; a header placed top right
    // runs under them (the settings dialog asks about it).
    if (in_.stampCount > 0) {
        const int width = std::min(printable_.Width(), in_.stampCount * kStampWidth);
        stamps_ = DrawRect{printable_.right - width, printable_.top, printable_.right,
                           printable_.top + kStampHeight};
    }
    if (in_.title) {
        const int right = in_.stampCount > 0 ? stamps_.left : printable_.right;
        title_ = DrawRect{printable_.left, topEdge, std::max(printable_.left, right),
                          topEdge + TitleFontHeight() + 20};
        topEdge = title_.bottom;
    }
    if (in_.stampCount > 0)
        topEdge = std::max(topEdge, stamps_.bottom);
    if (topEdge > printable_.top)
        topEdge += kGap;
    if (bottomEdge < printable_.bottom)
        bottomEdge -= kGap;
    chartArea_ =
        DrawRect{printable_.left, topEdge, printable_.right, std::max(bottomEdge, topEdge + 1)};
}

// Items go to the first line whose slot is still free, so a header and a
// page number at different places share one line.
void PrintLayout::PlaceLines(std::vector<std::pair<Item, int>> items, bool top, int& edge) {
    std::vector<std::array<bool, 3>> used;
    for (const auto& [item, slot] : items) {
        std::size_t line = 0;
        while (line < used.size() && used[line][static_cast<std::size_t>(slot)])
            ++line;
        if (line == used.size())
            used.push_back({false, false, false});
        used[line][static_cast<std::size_t>(slot)] = true;
        const int offset = static_cast<int>(line) * kLineHeight;
        const int y = top ? printable_.top + offset : printable_.bottom - offset - kLineHeight;
        lines_.push_back(Line{item, DrawRect{printable_.left, y, printable_.right, y + kLineHeight},
                              static_cast<Slot>(slot)});
    }
    const int height = static_cast<int>(used.size()) * kLineHeight;
    edge = top ? edge + height : edge - height;
}

void PrintLayout::ChooseScale() {
    const double width = chartArea_.Width();
    const double height = chartArea_.Height();
    const double fixed = in_.headerWidth + in_.columnWidth;
    const double fit = width / (fixed + DayX(in_.dayCount));
    scale_ = std::clamp(fit, kMinScale, kNominalScale);
    if (fixed > 0 && fixed * scale_ > width * kFixedWidthShare)
        scale_ = width * kFixedWidthShare / fixed;
    const double strips = in_.rulerHeight + in_.graphHeight;
    if (strips > 0 && strips * scale_ > height * kFixedHeightShare)
        scale_ = std::min(scale_, height * kFixedHeightShare / strips);
    // Only a page a few millimetres wide gets here.
    scale_ = std::max(scale_, 0.01);
}

// Each slice holds the days whose pixels fit beside the fixed panes, at
// least one day even when a single day is wider.
void PrintLayout::SplitDates() {
    const int room = std::max(
        1, static_cast<int>(chartArea_.Width() / scale_) - in_.headerWidth - in_.columnWidth);
    int first = 0;
    while (first < in_.dayCount) {
        int end =
            std::min(in_.dayCount, first + std::max(1, static_cast<int>(room / in_.pixelsPerDay)));
        while (end > first + 1 && DayX(end) - DayX(first) > room)
            --end;
        while (end < in_.dayCount && DayX(end + 1) - DayX(first) <= room)
            ++end;
        slices_.emplace_back(first, end);
        first = end;
    }
}

// Each block ends at the lowest row bottom that fits; a row taller than the
// page is cut where the page ends.
void PrintLayout::SplitRows(std::vector<std::pair<int, int>>& blocks) const {
    const int room = std::max(
        1, static_cast<int>(chartArea_.Height() / scale_) - in_.rulerHeight - in_.graphHeight);
    int top = 0;
    do {
        int bottom = in_.totalHeight;
        if (top + room < in_.totalHeight) {
            const auto after =
                std::upper_bound(in_.rowBottoms.begin(), in_.rowBottoms.end(), top + room);
            bottom = top + room;
            if (after != in_.rowBottoms.begin() && *(after - 1) > top)
                bottom = *(after - 1);
        }
        blocks.emplace_back(top, bottom);
        top = bottom;
    } while (top < in_.totalHeight);
}

int PrintLayout::DayX(int day) const {
    return static_cast<int>(std::trunc(day * in_.pixelsPerDay));
}

}  // namespace qb
