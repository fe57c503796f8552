#pragma once

#include <memory>

#include "CGuiMemo.h"
#include "CMemo.h"
#include "ITempGuiObject.h"

namespace qb {

// A memo being placed, resized or moved: a display memo over a private copy
// of the data whose day, row and size follow its rectangle.
class CTempMemo : public CGuiMemo, public ITempGuiObject {
public:
    // source: the memo it stands in for, null when placing a new one.
    CTempMemo(std::unique_ptr<CMemo> data, CGuiMemo* source, CGuiRow* row);

    CGuiObject* GetSource() const override { return source_; }
    void ShowTemp(bool shown) override { SetHidden(!shown); }
    bool IsShown() const override { return !IsHidden(); }
    void RectToData(const GuiRect& rect, const ChartContext& chart, bool snapX) override;
    GuiRect GetTempRect() const override { return GetRect(); }
    void DrawTemp(IDrawContext& dc, const GuiDrawArgs& args) override;
    void Recalc(const ChartContext& chart) override;
    int SnapVertically(const CDisplayModel& model) const override;
    CData& GetTempData() override { return *own_; }
    const CMemo& Memo() const { return *own_; }

private:
    std::unique_ptr<CMemo> own_;
    CGuiMemo* source_;
    int rowTop_ = 0;
};

}  // namespace qb
