#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "CGuiObject.h"
#include "CGuiRowArray.h"

namespace qb {

class CRow;

// The display form of one row ("段"): a band of the chart and a box in the
// row-header pane. The model lays rows out in tree order; each row computes
// its own rectangle from its earlier siblings and its parent.
class CGuiRow : public CGuiObject {
public:
    static constexpr DrawColour kWhite = 0xFFFFFF;
    // Markers sit this far apart, from the right edge inwards.
    static constexpr int kMarkerStep = 8;
    // Fold icons and the room left for them before the caption.
    static constexpr int kIconSpace = 16;

    CGuiRow(CRow& data, CGuiRowArray& holder, int level);
    ~CGuiRow() override;

    // Whether the row shows data as it is, so that a rebuild may keep it:
    // the same change stamp means the same values. A row showing a preview
    // is never kept.
    bool Shows(const CRow& data) const;
    // Back to the state of a row just made from data, keeping the values it
    // copied and its children, which the rebuild walks on its own.
    void Renew(CRow& data);

    void Draw(IDrawContext& dc, const GuiDrawArgs& args) override;
    void CalcLayout(const ChartContext& chart) override;
    bool HitTest(DrawPoint point) const override;
    bool IsVisible() const override { return visible_; }
    CData* GetData() const override;
    int GetObjectType() const override { return kRow; }

    CRow& GetRow() const { return *data_; }
    // The values drawn and laid out: the dialog's while previewed, else the
    // data's.
    const CRow& Shown() const;
    // The row property dialog's values take the place of the data's until
    // null is given; a layout must follow.
    void SetPreview(const CRow* values);
    bool IsPreview() const { return preview_ != nullptr; }
    CGuiRowArray& GetHolder() const { return *holder_; }
    CGuiRowArray& GetChildren() { return *children_; }
    const CGuiRowArray& GetChildren() const { return *children_; }
    CGuiRow* GetParent() const { return holder_->GetOwner(); }
    bool HasChildren() const { return !children_->Empty(); }
    int GetLevel() const { return level_; }
    // The row's place among all rows of the tree, parents before children;
    // -1 for a row that is not in the project.
    int GetSerial() const { return serial_; }
    void SetSerial(int serial) { serial_ = serial; }

    const std::string& GetCaption() const { return caption_; }
    const std::string& GetNumberText() const { return numberText_; }
    void SetNumberText(std::string text) { numberText_ = std::move(text); }
    const std::vector<std::string>& GetCellTexts() const { return cellTexts_; }
    void SetCellTexts(std::vector<std::string> texts) { cellTexts_ = std::move(texts); }
    std::vector<std::string>& EditCellTexts() { return cellTexts_; }
    DrawColour GetBackColour() const { return backColour_; }
    int GetHeight() const { return height_; }
    int GetWidth() const { return width_; }

    bool IsFolded() const { return folded_ != 0; }
    void SetFolded(bool folded) { folded_ = folded ? 1 : 0; }
    bool GetFilteredOutFlag() const { return filteredOut_ != 0; }
    void SetFilteredOutFlag(bool out) { filteredOut_ = out ? 1 : 0; }
    void SetVisible(bool visible) { visible_ = visible ? 1 : 0; }

    // The flag is set and no child is left that the filter keeps.
    bool IsFilteredOut() const;
    bool AreAllChildrenHidden() const;
    // The rows a filter keeps: in box mode leaves decide for their parents.
    bool PassesFilter(bool indentMode) const;
    // Forms one band of the chart (box mode: a leaf, a folded row or one
    // whose children are all hidden; indent mode: every row).
    bool IsBand(bool indentMode) const;
    // Schedules and memos may be placed on it.
    bool CanTakeObjects(bool indentMode) const;
    // Whether the schedules on this row are placed: it takes objects and, in
    // summary mode, no summary bar stands for them. Worked out once per
    // layout, as every schedule on the row asks.
    bool PlacesSchedules(const ChartContext& chart) const;
    // Its box spans its children (box mode, expanded parent).
    bool IsExpandedParent() const;

    // The height this row adds to its parent's box in box mode.
    int HeightContribution() const;
    // Sum of the ancestors' widths.
    int LeftOffset() const;
    CGuiRow* PrevSibling() const;
    CGuiRow* NextSibling() const;
    bool IsLastChild() const;
    // The deepest last visible row below this one; this row when none.
    const CGuiRow* LastVisibleDescendant() const;
    int SubtreeDepth() const;

    void FillBackground(IDrawContext& dc, const DrawRect& rect) const;
    // The caption as the header shows it: with numbering, the number first.
    std::string DisplayText(int renban) const;
    // The pen of the chart line under this band.
    DrawPen BandPen(bool indentMode) const;
    // Layout takes the top from the nearest visible earlier sibling; the
    // model hands it over while walking the siblings.
    void SetPreviousVisible(const CGuiRow* previous);

    // Placed by layout; shown only while their flags are set.
    bool HasFilterMarker() const { return hasFilterMarker_; }
    DrawPoint GetFilterMarker() const { return filterMarker_; }
    bool HasSummaryMarker() const { return hasSummaryMarker_; }
    DrawPoint GetSummaryMarker() const { return summaryMarker_; }
    bool HasTotalBox() const { return hasTotalBox_; }
    GuiRect GetTotalBox() const { return totalBox_; }

    // The aggregated days of this row; the first is the total it shows.
    double GetTotal(int which) const { return totals_[static_cast<std::size_t>(which)]; }
    void SetTotal(int which, double value) { totals_[static_cast<std::size_t>(which)] = value; }

    // The row's summary bar, rebuilt on every layout in summary mode.
    CGuiObject* GetSummaryBar() const { return summaryBar_.get(); }
    void SetSummaryBar(std::unique_ptr<CGuiObject> bar);

private:
    int LayoutTop(bool indentMode) const;
    void PlaceMarkers(const ChartContext& chart, bool indentMode);
    void DrawCaption(IDrawContext& dc, const GuiDrawArgs& args, int indent) const;
    void DrawMarkers(IDrawContext& dc) const;
    void DrawTotal(IDrawContext& dc) const;
    void DrawHiddenNextMark(IDrawContext& dc) const;
    void DrawBottomLine(IDrawContext& dc, int paneRight) const;
    void DrawRightEdge(IDrawContext& dc) const;
    int BottomLineLeft() const;
    // The outermost ancestor whose last visible row this is, or null.
    const CGuiRow* OutermostClosedAncestor() const;

    void CopyShownValues();
    bool WorkOutPlacesSchedules(const ChartContext& chart) const;

    CRow* data_;
    std::uint64_t stamp_;
    const CRow* preview_ = nullptr;
    GuiRect totalBox_;
    DrawPoint summaryMarker_;
    DrawPoint filterMarker_;
    int level_;
    int serial_ = -1;
    DrawColour backColour_ = kWhite;
    // The shown values' bottom line, which layout asks of every band.
    DrawPen bottomPen_;
    std::vector<std::string> cellTexts_;
    std::string numberText_;
    int height_;
    int width_;
    std::string caption_;
    std::array<double, 3> totals_{};
    CGuiRowArray* holder_;
    std::unique_ptr<CGuiRowArray> children_;
    std::unique_ptr<CGuiObject> summaryBar_;
    const CGuiRow* previousVisible_ = nullptr;
    std::uint8_t filteredOut_ = 0;
    std::uint8_t folded_ = 0;
    std::uint8_t visible_ = 1;
    bool hasFilterMarker_ = false;
    bool hasSummaryMarker_ = false;
    bool hasTotalBox_ = false;
    // PlacesSchedules as of the last CalcLayout.
    bool placesSchedules_ = false;
};

}  // namespace qb
