#pragma once

#include <memory>

#include "CGuiSchedule.h"
#include "CSchedule.h"
#include "DateOffset.h"
#include "ITempGuiObject.h"

namespace qb {

class CRuler;

// A schedule being created, resized or moved: a display schedule over a
// private copy of the data whose dates follow its rectangle.
class CTempSchedule : public CGuiSchedule, public ITempGuiObject {
public:
    enum class Mode { kCreate, kResize, kMove };

    // source: the schedule it stands in for, null when creating; row: the
    // row it starts on.
    CTempSchedule(std::unique_ptr<CSchedule> data, CGuiSchedule* source, CGuiRow* row, Mode mode);

    // Resizing converts only the grabbed edge (kHandleStart or kHandleEnd).
    void SetGrabbedEdge(int handle) { edge_ = handle; }

    CGuiObject* GetSource() const override { return source_; }
    void ShowTemp(bool shown) override { SetHidden(!shown); }
    bool IsShown() const override { return !IsHidden(); }
    void RectToData(const GuiRect& rect, const ChartContext& chart, bool snapX) override;
    GuiRect GetTempRect() const override { return GetRect(); }
    void DrawTemp(IDrawContext& dc, const GuiDrawArgs& args) override;
    void Recalc(const ChartContext& chart) override;
    int SnapVertically(const CDisplayModel& model) const override;
    CData& GetTempData() override { return *own_; }
    const CSchedule& Schedule() const { return *own_; }

    // The end of a moved bar keeps the source's duration.
    static DateOffset MovedEnd(const DateOffset& start, const DateOffset& sourceStart,
                               const DateOffset& sourceEnd);
    // The offset of x in its day, snapped as the schedule's kind wants.
    static DateOffset EdgeAt(int x, const CRuler& ruler, bool snap, bool point);

private:
    void SetStart(const DateOffset& start);
    void SetEnd(const DateOffset& end);
    void TakeRow(int top, const ChartContext& chart);

    std::unique_ptr<CSchedule> own_;
    CGuiSchedule* source_;
    Mode mode_;
    int edge_ = kHandleEnd;
    // The top of the row it is placed on, or where that row would be.
    int rowTop_ = 0;
    DateOffset sourceStart_;
    DateOffset sourceEnd_;
};

}  // namespace qb
