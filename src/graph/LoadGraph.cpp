#include "LoadGraph.h"

#include "CDisplayModel.h"
#include "CGuiSchedule.h"
#include "CRuler.h"
#include "ScheduleGeometry.h"
#include "TimeScale.h"

namespace qb {
namespace {

bool SameScale(const TimeScale* laidOut, const TimeScale& scale) {
    return laidOut != nullptr && laidOut->GetOrigin() == scale.GetOrigin() &&
           laidOut->GetScale() == scale.GetScale();
}

}  // namespace

std::vector<LoadSpan> LoadGraph::Collect(const CGuiScheduleArray& schedules, const TimeScale& scale,
                                         bool shownOnly) {
    std::vector<LoadSpan> spans;
    spans.reserve(schedules.Size());
    for (std::size_t i = 0; i < schedules.Size(); ++i) {
        const CGuiSchedule& schedule = *schedules.At(i);
        if (Counts(schedule, shownOnly))
            spans.push_back(SpanOf(schedule.GetFields(), scale));
    }
    return spans;
}

bool LoadGraph::Counts(const CGuiSchedule& schedule, bool shownOnly) {
    return !schedule.IsHidden() && CountsWhenShown(schedule, shownOnly);
}

bool LoadGraph::CountsWhenShown(const CGuiSchedule& schedule, bool shownOnly) {
    return !shownOnly || schedule.GetLayout().placed;
}

LoadSpan LoadGraph::SpanOf(const ScheduleFields& fields, const TimeScale& scale) {
    const ScheduleGeometry geometry(fields, scale);
    const int start = geometry.StartX();
    return LoadSpan{start, fields.IsPoint() ? start : geometry.EndX(), fields.weight};
}

// The layout's bar ends are StartX and EndX of the same geometry; a point's
// bar has no width, so its right is its left.
LoadSpan LoadGraph::PlacedSpanOf(const CGuiSchedule& schedule) {
    const DrawRect& bar = schedule.GetLayout().bar;
    return LoadSpan{bar.left, bar.right, schedule.GetFields().weight};
}

// A schedule the last layout placed with this scale is read from its bar;
// the others (on folded or hidden rows, or placed at another scale) are
// placed from their dates.
void LoadGraph::Place(const CDisplayModel& model, const TimeScale& scale, bool shownOnly,
                      bool withHidden, std::vector<LoadSpan>& spans) {
    const CGuiScheduleArray& schedules = model.GetSchedules();
    const bool laidOut = SameScale(model.LayoutScale(), scale);
    spans.clear();
    spans.reserve(schedules.Size());
    // The schedules lie all over the heap: ask for the next ones early.
    constexpr std::size_t kAhead = 8;
    const std::size_t count = schedules.Size();
    for (std::size_t i = 0; i < count; ++i) {
        if (i + kAhead < count) {
            const CGuiSchedule* next = schedules.At(i + kAhead);
            __builtin_prefetch(next);
            __builtin_prefetch(&next->GetFields().startDate);
            __builtin_prefetch(&next->GetFields().weight);
            __builtin_prefetch(&next->GetLayout());
        }
        const CGuiSchedule& schedule = *schedules.At(i);
        if (!(withHidden ? CountsWhenShown(schedule, shownOnly) : Counts(schedule, shownOnly)))
            continue;
        spans.push_back(laidOut && schedule.GetLayout().placed
                            ? PlacedSpanOf(schedule)
                            : SpanOf(schedule.GetFields(), scale));
    }
}

std::optional<LoadBuffer> LoadGraph::Compute(const CDisplayModel& model, const TimeScale& scale,
                                             int first, int last, bool shownOnly) {
    if (first >= last)
        return std::nullopt;
    std::vector<LoadSpan> spans;
    Place(model, scale, shownOnly, false, spans);
    return LoadBuffer::Sum(spans, first, last);
}

const LoadBuffer* LoadGraph::Recompute(const CDisplayModel& model, const CRuler& ruler,
                                       bool shownOnly, std::span<const LoadSpan> extra) {
    buffer_.reset();
    const int first = ruler.GetScrollPosition();
    const int last = first + ruler.GetWidth();
    if (first >= last)
        return nullptr;
    const TimeScale& scale = ruler.GetTimeScale();
    const PlacesKey key{&model, model.Generation(), scale.GetOrigin(), scale.GetScale(), shownOnly};
    if (placesKey_ != key) {
        Place(model, scale, shownOnly, true, places_);
        placesKey_ = key;
    }
    buffer_ = LoadBuffer::Sum(places_, first, last, extra);
    return Buffer();
}

void LoadGraph::Clear() {
    placesKey_.reset();
    places_.clear();
    places_.shrink_to_fit();
    buffer_.reset();
}

}  // namespace qb
