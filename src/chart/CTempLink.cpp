#include "CTempLink.h"

#include "IDrawContext.h"

namespace qb {

CTempLink::CTempLink(std::unique_ptr<CLink> data, CGuiObject* from)
    : CGuiLink(*data, from, nullptr), own_(std::move(data)) {}

void CTempLink::Draw(IDrawContext& dc, const GuiDrawArgs& /*args*/) {
    if (GetFrom() == nullptr)
        return;
    const CPenInfo& pen = own_->GetLinePen();
    const DrawPoint from =
        GetFrom()->AnchorPoint(own_->GetFromHorzPosition(), own_->GetFromVertPosition());
    dc.SaveState();
    dc.SetPen(DrawPen{pen.GetStyle(), pen.GetWidth(), pen.GetColour()});
    dc.DrawLine(from, loose_);
    dc.RestoreState();
}

}  // namespace qb
