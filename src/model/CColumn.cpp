#include "CColumn.h"

namespace qb {

CColumn::CColumn(std::int32_t objectId) : CData(objectId) {}

void CColumn::CopyFrom(const CData& source) {
    CData::CopyFrom(source);
    if (auto* other = dynamic_cast<const CColumn*>(&source))
        f_ = other->f_;
}

void CColumn::VisitProperties(PropertyVisitor& visitor) {
    CData::VisitProperties(visitor);
    visitor.Boolean("visible", f_.visible);
    visitor.Integer("width", f_.width);
    visitor.Text("caption", f_.caption);
    visitor.Font("headerFont", f_.headerFont);
    visitor.Font("dataFont", f_.dataFont);
    visitor.Text("refRowPropertyName", f_.refRowPropertyName);
    visitor.Text("refSchedulePropertyName", f_.refSchedulePropertyName);
    visitor.Pen("rightLineCode", f_.rightLineCode);
    visitor.Colour("headerFontColor", f_.headerFontColor);
    visitor.Colour("dataFontColor", f_.dataFontColor);
}

}  // namespace qb
