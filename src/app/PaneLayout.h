#pragma once

namespace qb {

class AppSettings;
struct ViewStatus;

// Where the chart page's panes begin, in pixels from its left edge: the row
// header runs to the column area's left (ColumnLeft), the column area to the
// chart's left (CanvasLeft). The settings give the start values, a file's
// splitter positions replace them while it is open, and the user's drags
// change them; every value is held to a usable range on the way in.
class PaneLayout {
public:
    // A narrower row header cannot show a caption; wider positions come from
    // damaged settings, not from any screen.
    static constexpr int kMinRowHeader = 20;
    static constexpr int kMaxPosition = 8000;

    PaneLayout(int columnLeft, int canvasLeft);
    static PaneLayout FromSettings(const AppSettings& settings);

    int ColumnLeft() const { return columnLeft_; }
    int CanvasLeft() const { return canvasLeft_; }
    int RowHeaderWidth() const { return columnLeft_; }
    int ColumnAreaWidth() const { return canvasLeft_ - columnLeft_; }

    // A file's splitter positions; a negative one keeps the current position.
    void ApplySplits(int split1, int split2);
    // The user dragged a splitter. A hidden column area keeps its width for
    // when it is shown again.
    void PanesMoved(int rowHeaderWidth, int columnAreaWidth, bool columnAreaShown);

    void StoreTo(AppSettings& settings) const;
    void StoreTo(ViewStatus& status) const;

private:
    void Set(int columnLeft, int canvasLeft);

    int columnLeft_ = 0;
    int canvasLeft_ = 0;
};

}  // namespace qb
