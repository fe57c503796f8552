#include "CMemo.h"

namespace qb {

CMemo::CMemo(std::int32_t objectId) : CDrawPart(objectId) {}

void CMemo::CopyFrom(const CData& source) {
    CDrawPart::CopyFrom(source);
    if (auto* other = dynamic_cast<const CMemo*>(&source))
        f_ = other->f_;
}

void CMemo::SetHAlign(std::int32_t v) {
    SetField(f_.hAlign, ValueText::NormaliseAlignment(v));
}

void CMemo::SetVAlign(std::int32_t v) {
    SetField(f_.vAlign, ValueText::NormaliseAlignment(v));
}

void CMemo::VisitProperties(PropertyVisitor& visitor) {
    CDrawPart::VisitProperties(visitor);
    visitor.Text("text", f_.text);
    visitor.Date("xDate", f_.xDate);
    visitor.Integer("xOffset", f_.xOffset);
    visitor.Integer("yRowId", f_.yRowId);
    visitor.Integer("yOffset", f_.yOffset);
    visitor.Colour("bgColor", f_.bgColor);
    visitor.Boolean("bgPaint", f_.bgPaint);
    visitor.Colour("textColor", f_.textColor);
    visitor.Font("textFont", f_.textFont);
    visitor.Alignment("hAlign", f_.hAlign);
    visitor.Alignment("vAlign", f_.vAlign);
    visitor.Pen("borderPen", f_.borderPen);
    visitor.Integer("width", f_.width);
    visitor.Integer("height", f_.height);
}

}  // namespace qb
