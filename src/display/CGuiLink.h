#pragma once

#include <cstdint>

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

    // Whether the link shows data between from and to as they are, so that
    // a rebuild may keep it with its places: the same change stamp means the
    // same values.
    bool Joins(const CLink& data, const CGuiObject* from, const CGuiObject* to) const;
    // Back to the state of a link just made, keeping its places.
    void Renew(CLink& data, const CData* fromData, const CData* toData);

    // Where a schedule end lay when the link was last laid out: its index in
    // the schedule array and its place version. An end that is no schedule
    // has index -1; memo marks a memo end.
    struct EndPlace {
        std::int32_t index = -1;
        std::uint64_t version = 0;
        bool memo = false;
    };
    // False before the first layout, after one that hid the link, and while
    // it moves: then only a layout places it.
    bool HasPlace() const { return laid_ && !moving_; }
    EndPlace FromPlace() const { return fromPlace_; }
    EndPlace ToPlace() const { return toPlace_; }
    // Whether a memo end (from, or else to) still gives the anchor point the
    // link was laid out with. Memos are few, so this reads the memo.
    bool MemoEndStays(bool from) const;

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
    static EndPlace PlaceOf(const CGuiObject* end);
    void DrawEnd(IDrawContext& dc, DrawPoint anchor, DrawPoint stub, int horz, int style,
                 bool isFrom) const;

    CLink* data_;
    std::uint64_t stamp_;
    EndPlace fromPlace_;
    EndPlace toPlace_;
    CGuiObject* from_;
    CGuiObject* to_;
    const CData* fromData_;
    const CData* toData_;
    DrawPoint fromPoint_;
    DrawPoint fromStub_;
    DrawPoint toStub_;
    DrawPoint toPoint_;
    bool moving_ = false;
    bool laid_ = false;
    DrawRect fromStubHit_;
    DrawRect toStubHit_;
};

}  // namespace qb
