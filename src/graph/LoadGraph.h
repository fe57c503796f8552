#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "COleDateTime.h"
#include "DisplayTree.h"
#include "LoadBuffer.h"

namespace qb {

class CDisplayModel;
class CGuiSchedule;
class CRuler;
struct ScheduleFields;
class TimeScale;

// The load graph's figures: for each pixel column of the chart's visible
// range, the sum of the weights of the schedules whose bars cover it. The
// window keeps one and recomputes it after every scroll, zoom and edit; a
// printed page computes its own with Compute.
class LoadGraph {
public:
    // The schedules the graph sums, in list order, placed by scale as the
    // chart places their bars: a point-type schedule covers its start pixel
    // only. With shownOnly, schedules the chart does not show (folded, hidden
    // or filtered rows) are left out; hidden schedules are left out always.
    static std::vector<LoadSpan> Collect(const CGuiScheduleArray& schedules, const TimeScale& scale,
                                         bool shownOnly);
    // Whether Collect sums the schedule, and the span it gives it. A schedule
    // is hidden only while a drag or a dialog shows it elsewhere for a moment;
    // CountsWhenShown answers as if it were not.
    static bool Counts(const CGuiSchedule& schedule, bool shownOnly);
    static bool CountsWhenShown(const CGuiSchedule& schedule, bool shownOnly);
    static LoadSpan SpanOf(const ScheduleFields& fields, const TimeScale& scale);
    // The sums over the pixels first..last of scale, both counted; nothing
    // when first is not less than last.
    static std::optional<LoadBuffer> Compute(const CDisplayModel& model, const TimeScale& scale,
                                             int first, int last, bool shownOnly);

    // Rebuilds the buffer for the ruler's visible window: from its scroll
    // position over its width. The schedules' places are kept between calls
    // while the model has not been laid out again and the scale is the same,
    // so a scroll costs only the sums. A drag hides its schedules without a
    // new layout, so they are kept as if shown: the gesture's extra spans say
    // where they go meanwhile (see GestureLoad and LoadBuffer::Sum). Null when
    // the width is zero.
    const LoadBuffer* Recompute(const CDisplayModel& model, const CRuler& ruler, bool shownOnly,
                                std::span<const LoadSpan> extra = {});
    // The buffer of the last recompute; null when there is none.
    const LoadBuffer* Buffer() const { return buffer_ ? &*buffer_ : nullptr; }
    // Drops the buffer and the kept places.
    void Clear();

private:
    static LoadSpan PlacedSpanOf(const CGuiSchedule& schedule);
    // The spans of the schedules that count, in list order; withHidden
    // keeps those a drag hides for the moment.
    static void Place(const CDisplayModel& model, const TimeScale& scale, bool shownOnly,
                      bool withHidden, std::vector<LoadSpan>& spans);

    struct PlacesKey {
        const CDisplayModel* model = nullptr;
        std::uint64_t generation = 0;
        COleDateTime origin;
        double scale = 0.0;
        bool shownOnly = false;

        bool operator==(const PlacesKey&) const = default;
    };

    std::optional<PlacesKey> placesKey_;
    std::vector<LoadSpan> places_;
    std::optional<LoadBuffer> buffer_;
};

}  // namespace qb
