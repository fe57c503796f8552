#include "CSchedule.h"

namespace qb {

CSchedule::CSchedule(std::int32_t objectId) : CData(objectId) {}

void CSchedule::CopyFrom(const CData& source) {
    CData::CopyFrom(source);
    if (auto* other = dynamic_cast<const CSchedule*>(&source))
        f_ = other->f_;
}

void CSchedule::SetCaptionVAlign(std::int32_t v) {
    SetField(f_.captionVAlign, ValueText::NormaliseAlignment(v));
}

void CSchedule::SetCaptionHAlign(std::int32_t v) {
    SetField(f_.captionHAlign, ValueText::NormaliseAlignment(v));
}

void CSchedule::VisitProperties(PropertyVisitor& visitor) {
    CData::VisitProperties(visitor);
    visitor.Text("caption", f_.caption);
    visitor.Font("textFont", f_.textFont);
    visitor.Colour("textColor", f_.textColor);
    visitor.Colour("bgColor", f_.bgColor);
    visitor.Integer("type", f_.type);
    visitor.Integer("subType", f_.subType);
    visitor.Integer("captionPosition", f_.captionPosition);
    visitor.Alignment("captionVAlign", f_.captionVAlign);
    visitor.Alignment("captionHAlign", f_.captionHAlign);
    visitor.Pen("edgePen", f_.edgePen);
    visitor.Date("actualStartDate", f_.actualStartDate);
    visitor.Integer("actualStartOffset", f_.actualStartOffset);
    visitor.Date("actualEndDate", f_.actualEndDate);
    visitor.Integer("actualEndOffset", f_.actualEndOffset);
    visitor.Integer("progressRate", f_.progressRate);
    visitor.Integer("rowObjectId", f_.rowObjectId);
    visitor.Date("startDate", f_.startDate);
    visitor.Integer("startOffset", f_.startOffset);
    visitor.Date("endDate", f_.endDate);
    visitor.Integer("endOffset", f_.endOffset);
    visitor.Integer("yOffset", f_.yOffset);
    visitor.Integer("height", f_.height);
    visitor.Integer("startEdgeType", f_.startEdgeType);
    visitor.Integer("endEdgeType", f_.endEdgeType);
    visitor.Text("remark", f_.remark);
    visitor.Text("reference", f_.reference);
    visitor.Boolean("byDay", f_.byDay);
    visitor.Integer("weight", f_.weight);
    visitor.Integer("results", f_.results);
    visitor.Integer("plan", f_.plan);
}

}  // namespace qb
