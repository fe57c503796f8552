#pragma once

#include <cstdint>
#include <optional>

#include "CGuiObject.h"
#include "ScheduleFields.h"
#include "ScheduleLayout.h"

namespace qb {

class CGuiRow;
class CSchedule;
class HolidayCache;

// The display form of one schedule: a bar, a line or a point marker on its
// row. Its values are copied from the data object when it is made; layout
// places it by its dates and row, and the painter draws it in three passes
// (shoulder dates, actual line, body) so that no label hides another bar.
class CGuiSchedule : public CGuiObject {
public:
    // Pixels between a bar's bottom and its actual line.
    static constexpr int kActualGap = 2;

    // row: the row whose id the schedule names, or null when there is none.
    CGuiSchedule(CSchedule& data, CGuiRow* row);

    // Whether this object holds data's values as they are now: it was made
    // from data, or from a copy of it, and neither has changed since.
    bool Shows(const CSchedule& data) const;
    // Makes this object what a new one for data on row would be. Its values
    // stay, as Shows(data) says they are the same; so does its layout, which
    // the next layout keeps where its row and the time scale are the same.
    void Renew(CSchedule& data, CGuiRow* row);

    void Draw(IDrawContext& dc, const GuiDrawArgs& args) override;
    void DrawSelection(IDrawContext& dc, const GuiDrawArgs& args) override;
    void CalcLayout(const ChartContext& chart) override;
    bool HitTest(DrawPoint point) const override;
    int HitTestHandle(DrawPoint point) const override;
    bool IsVisible() const override { return layout_.placed && !IsHidden(); }
    DrawPoint AnchorPoint(int horz, int vert) const override;
    bool InDateRange(const COleDateTime& from, const COleDateTime& to) const override;
    CData* GetData() const override;
    int GetObjectType() const override { return kSchedule; }

    // The three passes of the chart, in this order over all schedules.
    void DrawShoulder(IDrawContext& dc, const GuiDrawArgs& args);
    void DrawActual(IDrawContext& dc, const GuiDrawArgs& args);
    void DrawBody(IDrawContext& dc, const GuiDrawArgs& args);

    // The schedule's point on the lightning line standing at reference.
    std::optional<DrawPoint> LightningPoint(const COleDateTime& reference) const;
    // A drag preview shows its duration whatever the settings say.
    void SetCreating(bool creating) { creating_ = creating; }
    // Durations count working days by the settings' mode when set.
    void SetHolidayCache(HolidayCache* holidays) { holidays_ = holidays; }

    const ScheduleFields& GetFields() const { return fields_; }
    const ScheduleLayout& GetLayout() const { return layout_; }
    CGuiRow* GetRow() const { return row_; }
    // A number that changes whenever the schedule's place may have changed,
    // never handed out twice in a process; 0 before the first layout.
    std::uint64_t GetPlaceVersion() const { return placeVersion_; }

protected:
    // For a copy that a drag reshapes: its values and its row change without
    // a rebuild, and it is placed with its row's top given, as it may lie
    // beyond every row while the mouse moves.
    ScheduleFields& EditFields() {
        laidAt_ = LaidAt{};
        return fields_;
    }
    void SetRow(CGuiRow* row) { row_ = row; }
    void LayOut(const ChartContext& chart, int rowTop);

private:
    // What the layout was worked out from, besides the values.
    struct LaidAt {
        bool valid = false;
        int rowTop = 0;
        int rowHeight = 0;
        double origin = 0.0;
        double scale = 0.0;
        bool operator==(const LaidAt&) const = default;
    };

    bool CanBePlaced(const ChartContext& chart) const;
    LaidAt LaidAtNow(const ChartContext& chart) const;
    bool KeepsPlace(const ChartContext& chart);
    // The caption needs the font's measure, so it is placed at the first draw.
    void EnsureCaption(IDrawContext& dc, const GuiDrawArgs& args);
    void EnsureLayout(IDrawContext& dc, const GuiDrawArgs& args);

    // What a rebuild and a layout read of every schedule comes first, then
    // its layout, which links read, and last its values.
    CSchedule* data_;
    CGuiRow* row_;
    std::uint64_t stamp_;
    std::uint64_t placeVersion_ = 0;
    HolidayCache* holidays_ = nullptr;
    LaidAt laidAt_;
    bool captionPlaced_ = false;
    bool creating_ = false;
    ScheduleLayout layout_;
    ScheduleFields fields_;
};

}  // namespace qb
