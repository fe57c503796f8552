#include "CRow.h"

#include "CRowArray.h"

namespace qb {

CRow::CRow(std::int32_t objectId) : CData(objectId) {}

CRow::~CRow() = default;

void CRow::CopyFrom(const CData& source) {
    CData::CopyFrom(source);
    if (auto* other = dynamic_cast<const CRow*>(&source))
        f_ = other->f_;
}

void CRow::VisitProperties(PropertyVisitor& visitor) {
    CData::VisitProperties(visitor);
    visitor.Text("caption", f_.caption);
    visitor.Font("textFont", f_.textFont);
    visitor.Colour("textColor", f_.textColor);
    visitor.Boolean("allowedOverlap", f_.allowedOverlap);
    visitor.Integer("height", f_.height);
    visitor.Integer("width", f_.width);
    visitor.Pen("rightLinePen", f_.rightLinePen);
    visitor.Pen("bottomLinePen", f_.bottomLinePen);
    visitor.Text("reference", f_.reference);
}

void CRow::OnPropertyChanged() {
    NotifyListeners();
}

CRowArray& CRow::GetChildren() {
    if (!children_) {
        children_ = std::make_unique<CRowArray>(0, this);
        children_->AddListener(this);
    }
    return *children_;
}

const CRowArray& CRow::GetChildren() const {
    static const CRowArray kNoChildren;
    return children_ ? *children_ : kNoChildren;
}

CRow* CRow::GetParentRow() const {
    return holder_ ? holder_->GetOwner() : nullptr;
}

int CRow::GetIndex() const {
    return holder_ ? holder_->Find(this) : -1;
}

}  // namespace qb
