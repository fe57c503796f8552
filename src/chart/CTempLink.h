#pragma once

#include <memory>

#include "CGuiLink.h"
#include "CLink.h"

namespace qb {

// The link being drawn: fixed at the object it leaves, its loose end at
// the mouse until the user clicks the object it goes to.
class CTempLink : public CGuiLink {
public:
    CTempLink(std::unique_ptr<CLink> data, CGuiObject* from);

    void SetLooseEnd(DrawPoint point) { loose_ = point; }
    DrawPoint LooseEnd() const { return loose_; }
    void Draw(IDrawContext& dc, const GuiDrawArgs& args) override;
    CLink& Link() { return *own_; }

private:
    std::unique_ptr<CLink> own_;
    DrawPoint loose_;
};

}  // namespace qb
