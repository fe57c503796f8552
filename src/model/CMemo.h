#pragma once

#include "CDrawPart.h"

namespace qb {

// A text box anchored at a day (plus offset) and hanging from a row.
class CMemo : public CDrawPart {
public:
    explicit CMemo(std::int32_t objectId = 0);

    int GetType() const override { return kMemo; }
    std::unique_ptr<CData> Clone() const override { return CloneAs(*this); }
    void CopyFrom(const CData& source) override;
    void VisitProperties(PropertyVisitor& visitor) override;

    const std::string& GetText() const { return f_.text; }
    void SetText(std::string v) { SetField(f_.text, std::move(v)); }
    const COleDateTime& GetXDate() const { return f_.xDate; }
    void SetXDate(const COleDateTime& v) { SetField(f_.xDate, v); }
    std::int32_t GetXOffset() const { return f_.xOffset; }
    void SetXOffset(std::int32_t v) { SetField(f_.xOffset, v); }
    std::int32_t GetYRowId() const { return f_.yRowId; }
    void SetYRowId(std::int32_t v) { SetField(f_.yRowId, v); }
    std::int32_t GetYOffset() const { return f_.yOffset; }
    void SetYOffset(std::int32_t v) { SetField(f_.yOffset, v); }
    ColorRef GetBgColor() const { return f_.bgColor; }
    void SetBgColor(ColorRef v) { SetField(f_.bgColor, v); }
    bool IsBgPaint() const { return f_.bgPaint; }
    void SetBgPaint(bool v) { SetField(f_.bgPaint, v); }
    ColorRef GetTextColor() const { return f_.textColor; }
    void SetTextColor(ColorRef v) { SetField(f_.textColor, v); }
    const CFontInfo& GetTextFont() const { return f_.textFont; }
    void SetTextFont(const CFontInfo& v) { SetField(f_.textFont, v); }
    std::int32_t GetHAlign() const { return f_.hAlign; }
    void SetHAlign(std::int32_t v);
    std::int32_t GetVAlign() const { return f_.vAlign; }
    void SetVAlign(std::int32_t v);
    const CPenInfo& GetBorderPen() const { return f_.borderPen; }
    void SetBorderPen(const CPenInfo& v) { SetField(f_.borderPen, v); }
    std::int32_t GetWidth() const { return f_.width; }
    void SetWidth(std::int32_t v) { SetField(f_.width, v); }
    std::int32_t GetHeight() const { return f_.height; }
    void SetHeight(std::int32_t v) { SetField(f_.height, v); }

private:
    // The font and the date leave a few bytes unused at their ends; marked
    // no_unique_address, each lets the small members after it live there.
    struct Fields {
        std::string text;
        [[no_unique_address]] CFontInfo textFont;
        bool bgPaint = true;
        std::int8_t hAlign = 1;
        std::int8_t vAlign = 1;
        ColorRef bgColor = kWhite;
        [[no_unique_address]] COleDateTime xDate;
        std::int32_t xOffset = 0;
        CPenInfo borderPen;
        ColorRef textColor = kBlack;
        std::int32_t yRowId = kNoObject;
        std::int32_t yOffset = 0;
        std::int32_t width = 0;
        std::int32_t height = 0;
    };
    Fields f_;
};

}  // namespace qb
