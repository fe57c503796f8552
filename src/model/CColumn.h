#pragma once

#include "CData.h"

namespace qb {

// One column of the column area left of the chart. The cell texts live in
// the rows' parameters.
class CColumn : public CData {
public:
    explicit CColumn(std::int32_t objectId = 0);

    int GetType() const override { return kColumn; }
    std::unique_ptr<CData> Clone() const override { return CloneAs(*this); }
    void CopyFrom(const CData& source) override;
    void VisitProperties(PropertyVisitor& visitor) override;

    bool IsVisible() const { return f_.visible; }
    void SetVisible(bool v) { SetField(f_.visible, v); }
    std::int32_t GetWidth() const { return f_.width; }
    void SetWidth(std::int32_t v) { SetField(f_.width, v); }
    const std::string& GetCaption() const { return f_.caption; }
    void SetCaption(std::string v) { SetField(f_.caption, std::move(v)); }
    const CFontInfo& GetHeaderFont() const { return f_.headerFont; }
    void SetHeaderFont(const CFontInfo& v) { SetField(f_.headerFont, v); }
    const CFontInfo& GetDataFont() const { return f_.dataFont; }
    void SetDataFont(const CFontInfo& v) { SetField(f_.dataFont, v); }
    const std::string& GetRefRowPropertyName() const { return f_.refRowPropertyName; }
    void SetRefRowPropertyName(std::string v) { SetField(f_.refRowPropertyName, std::move(v)); }
    const std::string& GetRefSchedulePropertyName() const { return f_.refSchedulePropertyName; }
    void SetRefSchedulePropertyName(std::string v) {
        SetField(f_.refSchedulePropertyName, std::move(v));
    }
    const CPenInfo& GetRightLineCode() const { return f_.rightLineCode; }
    void SetRightLineCode(const CPenInfo& v) { SetField(f_.rightLineCode, v); }
    ColorRef GetHeaderFontColor() const { return f_.headerFontColor; }
    void SetHeaderFontColor(ColorRef v) { SetField(f_.headerFontColor, v); }
    ColorRef GetDataFontColor() const { return f_.dataFontColor; }
    void SetDataFontColor(ColorRef v) { SetField(f_.dataFontColor, v); }

private:
    struct Fields {
        std::string caption;
        std::string refRowPropertyName;
        std::string refSchedulePropertyName;
        CFontInfo headerFont;
        CFontInfo dataFont;
        CPenInfo rightLineCode;
        ColorRef headerFontColor = kBlack;
        ColorRef dataFontColor = kBlack;
        std::int32_t width = 50;
        bool visible = true;
    };
    Fields f_;
};

}  // namespace qb
