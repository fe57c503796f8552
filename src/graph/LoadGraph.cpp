#include "LoadGraph.h"

#include "CDisplayModel.h"
#include "CGuiSchedule.h"
#include "CRuler.h"
#include "ScheduleGeometry.h"
#include "TimeScale.h"

namespace qb {

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

std::optional<LoadBuffer> LoadGraph::Compute(const CDisplayModel& model, const TimeScale& scale,
                                             int first, int last, bool shownOnly) {
    if (first >= last)
        return std::nullopt;
    return LoadBuffer::Sum(Collect(model.GetSchedules(), scale, shownOnly), first, last);
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
        const CGuiScheduleArray& schedules = model.GetSchedules();
        places_.clear();
        places_.reserve(schedules.Size());
        for (std::size_t i = 0; i < schedules.Size(); ++i) {
            const CGuiSchedule& schedule = *schedules.At(i);
            if (CountsWhenShown(schedule, shownOnly))
                places_.push_back(SpanOf(schedule.GetFields(), scale));
        }
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
