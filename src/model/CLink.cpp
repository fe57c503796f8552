#include "CLink.h"

namespace qb {

CLink::CLink(std::int32_t objectId) : CData(objectId) {}

void CLink::CopyFrom(const CData& source) {
    CData::CopyFrom(source);
    if (auto* other = dynamic_cast<const CLink*>(&source))
        f_ = other->f_;
}

void CLink::SetFromHorzPosition(std::int32_t v) {
    SetField(f_.fromHorzPosition, ValueText::NormaliseAlignment(v));
}

void CLink::SetFromVertPosition(std::int32_t v) {
    SetField(f_.fromVertPosition, ValueText::NormaliseAlignment(v));
}

void CLink::SetToHorzPosition(std::int32_t v) {
    SetField(f_.toHorzPosition, ValueText::NormaliseAlignment(v));
}

void CLink::SetToVertPosition(std::int32_t v) {
    SetField(f_.toVertPosition, ValueText::NormaliseAlignment(v));
}

void CLink::VisitProperties(PropertyVisitor& visitor) {
    CData::VisitProperties(visitor);
    visitor.Integer("fromId", f_.fromId);
    visitor.Alignment("fromHorzPosition", f_.fromHorzPosition);
    visitor.Alignment("fromVertPosition", f_.fromVertPosition);
    visitor.Integer("fromEndStyle", f_.fromEndStyle);
    visitor.Integer("toId", f_.toId);
    visitor.Alignment("toHorzPosition", f_.toHorzPosition);
    visitor.Alignment("toVertPosition", f_.toVertPosition);
    visitor.Integer("toEndStyle", f_.toEndStyle);
    visitor.Pen("linePen", f_.linePen);
}

}  // namespace qb
