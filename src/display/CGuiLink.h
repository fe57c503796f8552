#pragma once

#include "CGuiObject.h"

namespace qb {

class CLink;

// The display form of one link: a line between two schedules or memos that
// leaves and enters them through short horizontal stubs. Its ends are found
// when the model is built; layout takes the anchor points from them.
class CGuiLink : public CGuiObject {
public:
    // from, to: the display objects the link joins, null when not found.
    CGuiLink(CLink& data, CGuiObject* from, CGuiObject* to);
    // The same with the ends' data objects given, so that the ends need not
    // be read.
    CGuiLink(CLink& data, CGuiObject* from, CGuiObject* to, const CData* fromData,
             const CData* toData);

    // Draws the part within the x range of args.visible.
    void Draw(IDrawContext& dc, const GuiDrawArgs& args) override;
    void CalcLayout(const ChartContext& chart) override;
    bool HitTest(DrawPoint point) const override;
    // Spanned by the from point and the to point.
    GuiRect GetRect() const override;
    bool IsVisible() const override;
    CData* GetData() const override;
    int GetObjectType() const override { return kLink; }

    // Set while a drag carries the link along; the next layout clears it.
    void SetMoving(bool moving) { moving_ = moving; }
    bool IsMoving() const { return moving_; }

    CGuiObject* GetFrom() const { return from_; }
    CGuiObject* GetTo() const { return to_; }
    // The data objects of the ends as the link was made, which layout reads
    // without going through the ends themselves.
    const CData* GetFromData() const { return fromData_; }
    const CData* GetToData() const { return toData_; }
    DrawPoint FromPoint() const { return fromPoint_; }
    DrawPoint FromStub() const { return fromStub_; }
    DrawPoint ToStub() const { return toStub_; }
    DrawPoint ToPoint() const { return toPoint_; }
    DrawRect FromStubHit() const { return fromStubHit_; }
    DrawRect ToStubHit() const { return toStubHit_; }

private:
    static bool IsGone(const CGuiObject* end, const CData* data);
    void DrawEnd(IDrawContext& dc, DrawPoint anchor, DrawPoint stub, int horz, int style,
                 bool isFrom) const;

    CLink* data_;
    CGuiObject* from_;
    CGuiObject* to_;
    const CData* fromData_;
    const CData* toData_;
    DrawPoint fromPoint_;
    DrawPoint fromStub_;
    DrawPoint toStub_;
    DrawPoint toPoint_;
    bool moving_ = false;
    DrawRect fromStubHit_;
    DrawRect toStubHit_;
};

}  // namespace qb
