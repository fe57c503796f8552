#pragma once

#include "CData.h"

namespace qb {

// One bar, line or point on a row. Dates are whole days; each has an offset
// inside its day in ten-thousandths (0 start of day, 5000 noon, 9999 just
// before midnight).
class CSchedule : public CData {
public:
    explicit CSchedule(std::int32_t objectId = 0);

    int GetType() const override { return kSchedule; }
    std::unique_ptr<CData> Clone() const override { return CloneAs(*this); }
    void CopyFrom(const CData& source) override;
    void VisitProperties(PropertyVisitor& visitor) override;

    const std::string& GetCaption() const { return f_.caption; }
    void SetCaption(std::string v) { SetField(f_.caption, std::move(v)); }
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
    const COleDateTime& GetActualStartDate() const { return f_.actualStartDate; }
    void SetActualStartDate(const COleDateTime& v) { SetField(f_.actualStartDate, v); }
    std::int32_t GetActualStartOffset() const { return f_.actualStartOffset; }
    void SetActualStartOffset(std::int32_t v) { SetField(f_.actualStartOffset, v); }
    const COleDateTime& GetActualEndDate() const { return f_.actualEndDate; }
    void SetActualEndDate(const COleDateTime& v) { SetField(f_.actualEndDate, v); }
    std::int32_t GetActualEndOffset() const { return f_.actualEndOffset; }
    void SetActualEndOffset(std::int32_t v) { SetField(f_.actualEndOffset, v); }
    // -1 means not set; the display derives what it shows.
    std::int32_t GetProgressRate() const { return f_.progressRate; }
    void SetProgressRate(std::int32_t v) { SetField(f_.progressRate, v); }
    std::int32_t GetRowObjectId() const { return f_.rowObjectId; }
    void SetRowObjectId(std::int32_t v) { SetField(f_.rowObjectId, v); }
    const COleDateTime& GetStartDate() const { return f_.startDate; }
    void SetStartDate(const COleDateTime& v) { SetField(f_.startDate, v); }
    std::int32_t GetStartOffset() const { return f_.startOffset; }
    void SetStartOffset(std::int32_t v) { SetField(f_.startOffset, v); }
    const COleDateTime& GetEndDate() const { return f_.endDate; }
    void SetEndDate(const COleDateTime& v) { SetField(f_.endDate, v); }
    std::int32_t GetEndOffset() const { return f_.endOffset; }
    void SetEndOffset(std::int32_t v) { SetField(f_.endOffset, v); }
    std::int32_t GetYOffset() const { return f_.yOffset; }
    void SetYOffset(std::int32_t v) { SetField(f_.yOffset, v); }
    std::int32_t GetHeight() const { return f_.height; }
    void SetHeight(std::int32_t v) { SetField(f_.height, v); }
    std::int32_t GetStartEdgeType() const { return f_.startEdgeType; }
    void SetStartEdgeType(std::int32_t v) { SetField(f_.startEdgeType, v); }
    std::int32_t GetEndEdgeType() const { return f_.endEdgeType; }
    void SetEndEdgeType(std::int32_t v) { SetField(f_.endEdgeType, v); }
    std::string_view GetRemark() const { return f_.remark.View(); }
    void SetRemark(std::string_view v) { SetField(f_.remark, v); }
    std::string_view GetReference() const { return f_.reference.View(); }
    void SetReference(std::string_view v) { SetField(f_.reference, v); }
    // Placed by day plus offset (true) or by date and time of day (false).
    bool IsByDay() const { return f_.byDay; }
    void SetByDay(bool v) { SetField(f_.byDay, v); }
    std::int32_t GetWeight() const { return f_.weight; }
    void SetWeight(std::int32_t v) { SetField(f_.weight, v); }
    std::int32_t GetResults() const { return f_.results; }
    void SetResults(std::int32_t v) { SetField(f_.results, v); }
    std::int32_t GetPlan() const { return f_.plan; }
    void SetPlan(std::int32_t v) { SetField(f_.plan, v); }

private:
    // The font and the dates leave a few bytes unused at their ends; marked
    // no_unique_address, each lets the small member after it live there,
    // which keeps a schedule within a smaller heap block.
    struct Fields {
        std::string caption;
        CompactText remark;
        CompactText reference;
        [[no_unique_address]] CFontInfo textFont;
        bool byDay = true;
        std::int8_t captionVAlign = 1;
        std::int8_t captionHAlign = 1;
        std::int32_t type = 0;
        [[no_unique_address]] COleDateTime actualStartDate;
        std::int32_t actualStartOffset = 0;
        [[no_unique_address]] COleDateTime actualEndDate;
        std::int32_t actualEndOffset = 0;
        [[no_unique_address]] COleDateTime startDate;
        std::int32_t startOffset = 0;
        [[no_unique_address]] COleDateTime endDate;
        std::int32_t endOffset = 0;
        CPenInfo edgePen;
        ColorRef textColor = kBlack;
        ColorRef bgColor = kWhite;
        std::int32_t subType = 0;
        std::int32_t captionPosition = 0;
        std::int32_t progressRate = -1;
        std::int32_t rowObjectId = kNoObject;
        std::int32_t yOffset = 0;
        std::int32_t height = 0;
        std::int32_t startEdgeType = 0;
        std::int32_t endEdgeType = 0;
        std::int32_t weight = 1;
        std::int32_t results = 0;
        std::int32_t plan = 0;
    };
    Fields f_;
};

}  // namespace qb
