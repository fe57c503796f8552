#pragma once

#include "CData.h"

namespace qb {

// A named set of schedule appearance values (a favourite shape) that can be
// applied to schedules. The names mean what they mean on a schedule.
class CScheduleStyle : public CData {
public:
    explicit CScheduleStyle(std::int32_t objectId = 0);

    int GetType() const override { return kScheduleStyle; }
    std::unique_ptr<CData> Clone() const override { return CloneAs(*this); }
    // Takes the source's key only while this style has none, so copying a
    // look onto a named style keeps its name.
    void CopyFrom(const CData& source) override;
    void VisitProperties(PropertyVisitor& visitor) override;

    const std::string& GetKey() const { return f_.key; }
    void SetKey(std::string v) { SetField(f_.key, std::move(v)); }
    const CFontInfo& GetTextFont() const { return f_.textFont; }
    void SetTextFont(const CFontInfo& v) { SetField(f_.textFont, v); }
    ColorRef GetTextColor() const { return f_.textColor; }
    void SetTextColor(ColorRef v) { SetField(f_.textColor, v); }
    ColorRef GetBgColor() const { return f_.bgColor; }
    void SetBgColor(ColorRef v) { SetField(f_.bgColor, v); }
    std::int32_t GetScheduleType() const { return f_.type; }
    void SetScheduleType(std::int32_t v) { SetField(f_.type, v); }
    std::int32_t GetSubType() const { return f_.subType; }
    void SetSubType(std::int32_t v) { SetField(f_.subType, v); }
    std::int32_t GetCaptionPosition() const { return f_.captionPosition; }
    void SetCaptionPosition(std::int32_t v) { SetField(f_.captionPosition, v); }
    std::int32_t GetCaptionVAlign() const { return f_.captionVAlign; }
    void SetCaptionVAlign(std::int32_t v);
    std::int32_t GetCaptionHAlign() const { return f_.captionHAlign; }
    void SetCaptionHAlign(std::int32_t v);
    const CPenInfo& GetEdgePen() const { return f_.edgePen; }
    void SetEdgePen(const CPenInfo& v) { SetField(f_.edgePen, v); }
    std::int32_t GetHeight() const { return f_.height; }
    void SetHeight(std::int32_t v) { SetField(f_.height, v); }
    std::int32_t GetStartEdgeType() const { return f_.startEdgeType; }
    void SetStartEdgeType(std::int32_t v) { SetField(f_.startEdgeType, v); }
    std::int32_t GetEndEdgeType() const { return f_.endEdgeType; }
    void SetEndEdgeType(std::int32_t v) { SetField(f_.endEdgeType, v); }

private:
    struct Fields {
        std::string key;
        CFontInfo textFont;
        CPenInfo edgePen;
        ColorRef textColor = kBlack;
        ColorRef bgColor = kWhite;
        std::int32_t type = 0;
        std::int32_t subType = 0;
        std::int32_t captionPosition = 0;
        std::int8_t captionVAlign = 1;
        std::int8_t captionHAlign = 1;
        std::int32_t height = 0;
        std::int32_t startEdgeType = 0;
        std::int32_t endEdgeType = 0;
    };
    Fields f_;
};

}  // namespace qb
