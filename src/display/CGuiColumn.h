#pragma once

#include "CGuiObject.h"

namespace qb {

class CColumn;

// One column of the column area beside the row headers.
class CGuiColumn : public CGuiObject {
public:
    explicit CGuiColumn(CColumn& data);

    void Draw(IDrawContext& dc, const GuiDrawArgs& args) override;
    void CalcLayout(const ChartContext& chart) override;
    bool IsVisible() const override { return !IsHidden(); }
    CData* GetData() const override;
    int GetObjectType() const override { return kColumn; }

    CColumn& GetColumn() const { return *data_; }
    int GetWidth() const { return width_; }

private:
    CColumn* data_;
    int width_;
};

}  // namespace qb
