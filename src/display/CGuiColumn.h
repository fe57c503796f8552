#pragma once

#include <cstdint>

#include "CGuiObject.h"
#include "DrawTypes.h"

namespace qb {

class CColumn;
class CFontInfo;
class CGuiColumnArray;
class CPenInfo;

// One column of the column area: its caption box in the header pane, and
// the cells beside every row (the rows hold the cell texts). x is shared by
// the header and the cell pane.
class CGuiColumn : public CGuiObject {
public:
    // The narrowest a column can be made.
    static constexpr int kMinWidth = 10;
    // How far from an edge a point still grabs it.
    static constexpr int kGrip = 3;

    CGuiColumn(CColumn& data, CGuiColumnArray& holder);

    // The header box: caption, filter icon, focus, hidden-next mark, border.
    void Draw(IDrawContext& dc, const GuiDrawArgs& args) override;
    // Left from the previous column's right, top 0, bottom the header height.
    void CalcLayout(const ChartContext& chart) override;
    bool IsVisible() const override { return !IsHidden(); }
    bool HitTest(DrawPoint point) const override;
    CData* GetData() const override;
    int GetObjectType() const override { return kColumn; }

    // kHandleNone, kHandleBody, kHandleStart (x < left + 3) or kHandleEnd
    // (x > right - 3); grow reaches 3 pixels further right and down.
    int HitTestHandle(DrawPoint point, bool grow) const;
    int HitTestHandle(DrawPoint point) const override { return HitTestHandle(point, false); }

    CColumn& GetColumn() const { return *data_; }
    // The values drawn: the dialog's while previewed, else the data's.
    const CColumn& Shown() const;
    // The dialog's values shown in the header until null is given.
    // The dialog's width is laid out too.
    void SetPreview(const CColumn* values);
    bool IsPreview() const { return preview_ != nullptr; }
    // The "_Auto" kind, 0 to 11.
    int GetKind() const { return kind_; }
    int GetWidth() const { return width_; }
    // A width dragged in the header, shown before it is written.
    void SetWidth(int width);
    // The column after this one is hidden: a dotted line marks it.
    bool IsNextHidden() const;

    static DrawPen ToDrawPen(const CPenInfo& pen);
    static DrawFont ToDrawFont(const CFontInfo& font);

private:
    CGuiColumnArray* holder_;
    CColumn* data_;
    const CColumn* preview_ = nullptr;
    int width_;
    std::int32_t kind_;
};

}  // namespace qb
