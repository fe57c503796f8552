#pragma once

#include "CGuiObject.h"

namespace qb {

class CGuiRow;
class CMemo;
class CRuler;

// The display form of one memo: a text box placed by a day and offset on the
// time axis and by a distance below the top of its row.
class CGuiMemo : public CGuiObject {
public:
    // Pixels the grab area of a selected memo reaches beyond its edges, and
    // the width of the edge bands that resize it.
    static constexpr int kGrab = 3;
    // Room between the border and the text, besides the border's width.
    static constexpr int kTextMargin = 4;

    // row: the row whose id the memo names, or null when there is none.
    CGuiMemo(CMemo& data, CGuiRow* row);

    void Draw(IDrawContext& dc, const GuiDrawArgs& args) override;
    void DrawSelection(IDrawContext& dc, const GuiDrawArgs& args) override;
    void CalcLayout(const ChartContext& chart) override;
    bool HitTest(DrawPoint point) const override;
    // A selected memo is grabbed by its edges and corners up to kGrab pixels
    // outside; an unselected one only as a whole.
    int HitTestHandle(DrawPoint point) const override;
    bool IsVisible() const override { return placed_ && !IsHidden(); }
    DrawPoint AnchorPoint(int horz, int vert) const override;
    bool InDateRange(const COleDateTime& from, const COleDateTime& to) const override;
    CData* GetData() const override;
    int GetObjectType() const override { return kMemo; }

    // The handle at point in the memo rectangle, grown by kGrab when asked.
    int HandleAt(DrawPoint point, bool grown) const;
    bool IsPlaced() const { return placed_; }
    const DrawRect& GetTextRect() const { return textRect_; }
    CGuiRow* GetRow() const { return row_; }

protected:
    // For a copy that a drag reshapes: placed with its row's top given, as
    // it may lie beyond every row while the mouse moves.
    void SetRow(CGuiRow* row) { row_ = row; }
    void LayOut(const ChartContext& chart, int rowTop);

private:
    bool CanBePlaced(const ChartContext& chart) const;
    int LeftX(const CRuler& ruler) const;
    void DrawBox(IDrawContext& dc) const;
    void DrawMemoText(IDrawContext& dc, const GuiDrawArgs& args) const;

    CMemo* data_;
    CGuiRow* row_;
    DrawRect textRect_;
    bool placed_ = false;
    // The scale of the last layout, for the date-range test.
    const CRuler* ruler_ = nullptr;
};

}  // namespace qb
