#include "CScheduleStyle.h"

namespace qb {

CScheduleStyle::CScheduleStyle(std::int32_t objectId) : CData(objectId) {}

void CScheduleStyle::CopyFrom(const CData& source) {
    CData::CopyFrom(source);
    auto* other = dynamic_cast<const CScheduleStyle*>(&source);
    if (!other)
        return;
    std::string key = f_.key.empty() ? other->f_.key : f_.key;
    f_ = other->f_;
    f_.key = std::move(key);
}

void CScheduleStyle::SetCaptionVAlign(std::int32_t v) {
    SetField(f_.captionVAlign, ValueText::NormaliseAlignment(v));
}

void CScheduleStyle::SetCaptionHAlign(std::int32_t v) {
    SetField(f_.captionHAlign, ValueText::NormaliseAlignment(v));
}

void CScheduleStyle::VisitProperties(PropertyVisitor& visitor) {
    CData::VisitProperties(visitor);
    visitor.Text("key", f_.key);
    visitor.Font("textFont", f_.textFont);
    visitor.Colour("textColor", f_.textColor);
    visitor.Colour("bgColor", f_.bgColor);
    visitor.Integer("type", f_.type);
    visitor.Integer("subType", f_.subType);
    visitor.Integer("captionPosition", f_.captionPosition);
    visitor.Alignment("captionVAlign", f_.captionVAlign);
    visitor.Alignment("captionHAlign", f_.captionHAlign);
    visitor.Pen("edgePen", f_.edgePen);
    visitor.Integer("height", f_.height);
    visitor.Integer("startEdgeType", f_.startEdgeType);
    visitor.Integer("endEdgeType", f_.endEdgeType);
}

}  // namespace qb
