#pragma once

#include "CGuiObject.h"
#include "COleDateTime.h"

namespace qb {

class CGuiRow;
class TimeScale;
struct ScheduleFields;

// The one bar a summary row shows instead of the schedules below it: from
// the earliest start to the latest end among them, centred on the row and at
// most 16 pixels tall. It has no data object of its own.
class CGuiSummaryBar : public CGuiObject {
public:
    static constexpr int kMaxHalfHeight = 8;

    CGuiSummaryBar();

    // Widens the span to take in one schedule of a row below.
    void Include(const ScheduleFields& fields, const TimeScale& scale);
    bool IsEmpty() const { return !spanned_; }
    // Centres the bar on the row; call after every schedule is included.
    void Place(const GuiRect& row);

    void Draw(IDrawContext& dc, const GuiDrawArgs& args) override;
    void CalcLayout(const ChartContext& chart) override;
    bool IsVisible() const override { return spanned_ && rect_.IsLaidOut() && !IsHidden(); }
    CData* GetData() const override { return nullptr; }
    int GetObjectType() const override { return kSchedule; }

private:
    int left_ = 0;
    int right_ = 0;
    bool spanned_ = false;
};

}  // namespace qb
